// Value types only: the pixels behind a headless bitmap.
#pragma once
#include <vector>

#include "graphics/color.h"

namespace graphics::headless {

// The pixels of a headless bitmap, RGB colours (0x00BBGGRR) in rows from the top.
struct PixelSurface {
  int width = 0;
  int height = 0;
  std::vector<Color> pixels;

  bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
  void put(int x, int y, Color c) {
    if (inside(x, y)) pixels[static_cast<std::size_t>(y) * width + x] = c;
  }
  Color at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

}  // namespace graphics::headless
