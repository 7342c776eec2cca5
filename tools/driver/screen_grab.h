#pragma once
#include <windows.h>

#include <vector>

#include "out_of_process_driver.h"

namespace driver {

// What the screen shows in a rectangle, pixel by pixel, as 0x00BBGGRR (COLORREF).
struct ScreenGrab {
  int width = 0;
  int height = 0;
  std::vector<COLORREF> pixels;  // row by row from the top

  COLORREF at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

// A 32-bit DIB holds 0x00RRGGBB; COLORREF is 0x00BBGGRR.
inline COLORREF colorFromDib(DWORD dib) {
  return RGB((dib >> 16) & 0xFF, (dib >> 8) & 0xFF, dib & 0xFF);
}
inline DWORD dibFromColor(COLORREF c) {
  return (static_cast<DWORD>(GetRValue(c)) << 16) | (static_cast<DWORD>(GetGValue(c)) << 8) | GetBValue(c);
}

// The screen's pixels in a rectangle given in screen coordinates; empty when it cannot be read.
ScreenGrab grabScreen(const RECT& onScreen);
// A rectangle of the panel's client area, in screen coordinates.
RECT panelRectOnScreen(const UpdaterWindow& window, const RECT& inPanel);

}  // namespace driver
