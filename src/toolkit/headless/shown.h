// Value types only: the boxes and menus the headless toolkit showed, as tests read them.
#pragma once
#include <string>
#include <vector>

#include "graphics/geometry.h"
#include "toolkit/menu_tracking.h"

namespace toolkit::headless {

enum class BoxIcon { kError, kInformation, kStop };

struct ShownBox {
  std::string title;
  std::string text;
  BoxIcon icon;
};

struct ShownMenu {
  std::vector<MenuEntry> entries;
  graphics::Point at;  // on the screen
};

}  // namespace toolkit::headless
