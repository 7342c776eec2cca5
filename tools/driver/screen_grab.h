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

// The screen's pixels in a rectangle given in screen coordinates; empty when it cannot be read.
ScreenGrab grabScreen(const RECT& onScreen);
// A rectangle of the panel's client area, in screen coordinates.
RECT panelRectOnScreen(const UpdaterWindow& window, const RECT& inPanel);

}  // namespace driver
