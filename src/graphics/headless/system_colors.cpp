#include "graphics/headless/system_colors.h"

#include <array>

namespace graphics::headless {

Color systemColor(int index) {
  static constexpr std::array<Color, 31> kClassic = {
      rgb(192, 192, 192),  // scroll bar
      rgb(0, 128, 128),    // desktop
      rgb(0, 0, 128),      // active caption
      rgb(128, 128, 128),  // inactive caption
      rgb(192, 192, 192),  // menu
      rgb(255, 255, 255),  // window
      rgb(0, 0, 0),        // window frame
      rgb(0, 0, 0),        // menu text
      rgb(0, 0, 0),        // window text
      rgb(255, 255, 255),  // caption text
      rgb(192, 192, 192),  // active border
      rgb(192, 192, 192),  // inactive border
      rgb(128, 128, 128),  // application workspace
      rgb(0, 0, 128),      // highlight
      rgb(255, 255, 255),  // highlight text
      rgb(192, 192, 192),  // button face
      rgb(128, 128, 128),  // button shadow
      rgb(128, 128, 128),  // grey text
      rgb(0, 0, 0),        // button text
      rgb(192, 192, 192),  // inactive caption text
      rgb(255, 255, 255),  // button highlight
      rgb(0, 0, 0),        // 3-D dark shadow
      rgb(192, 192, 192),  // 3-D light
      rgb(0, 0, 0),        // tooltip text
      rgb(255, 255, 225),  // tooltip background
      rgb(0, 0, 0),        // unused
      rgb(0, 0, 255),      // hot-tracked item
      rgb(16, 132, 208),   // active caption gradient
      rgb(181, 181, 181),  // inactive caption gradient
      rgb(0, 0, 128),      // menu highlight
      rgb(192, 192, 192),  // menu bar
  };
  if (index < 0 || index >= static_cast<int>(kClassic.size())) return 0;
  return kClassic[static_cast<std::size_t>(index)];
}

}  // namespace graphics::headless
