#pragma once
#include <windows.h>

#include <cstdint>

#include "graphics/win32/gdi_handles.h"

namespace graphics::win32 {

// A 32-bit top-down DIB section and its pixels; no handle for a zero size.
struct PooledDib {
  UniqueBitmap handle;
  std::uint32_t* bits = nullptr;
  int width = 0;
  int height = 0;
};

// Memory DCs and DIB sections take tens of microseconds each to make under Wine, and a button
// makes a fresh off-screen bitmap for every frame: released ones are kept, per thread, for the
// next bitmap. What is taken looks new: a DC with its current point at (0, 0), a black DIB.
UniqueDc takeMemoryDc();
void giveBackMemoryDc(UniqueDc dc);
PooledDib takeDib(int width, int height);
void giveBackDib(PooledDib dib);

}  // namespace graphics::win32
