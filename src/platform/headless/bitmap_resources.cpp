#include <array>
#include <stdexcept>
#include <string>

#include "platform/canvas.h"

namespace platform {
namespace {

// The program's own bitmap resources, for host builds, where there is no resource section.
// Each must show the same pixels as the bitmap file compiled into the Windows builds.
struct NamedBitmap {
  std::string_view name;
  int width;
  int height;
  std::string_view rows;  // one character per pixel, rows from the top
};

constexpr Color paletteColor(char c) {
  switch (c) {
    case 'B':
      return rgb(0, 0, 0);
    case 'W':
      return rgb(255, 255, 255);
    default:
      return kInvalidPixel;
  }
}

// The drop-down arrow of a button with a popup menu: a black triangle pointing down, on white.
constexpr std::array<NamedBitmap, 1> kResources = {{
    {"LBARROW", 5, 3,
     "BBBBB"
     "WBBBW"
     "WWBWW"},
}};

}  // namespace

std::unique_ptr<Bitmap> loadBitmapResource(std::string_view name) {
  for (const NamedBitmap& resource : kResources) {
    if (resource.name != name) continue;
    auto bitmap = createBitmap(resource.width, resource.height);
    Canvas& canvas = bitmap->canvas();
    for (int y = 0; y < resource.height; ++y) {
      for (int x = 0; x < resource.width; ++x) {
        canvas.setBrushColor(paletteColor(resource.rows[static_cast<std::size_t>(y * resource.width + x)]));
        canvas.fillRect({x, y, x + 1, y + 1});
      }
    }
    canvas.setBrushColor(rgb(255, 255, 255));
    return bitmap;
  }
  throw std::runtime_error("Bitmap resource '" + std::string(name) + "' not found");
}

}  // namespace platform
