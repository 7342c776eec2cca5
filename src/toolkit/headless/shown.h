// Value types only: the boxes and menus the headless toolkit showed, as tests read them.
#pragma once
#include <string>
#include <vector>

#include "platform/geometry.h"
#include "toolkit/menu_tracking.h"

namespace platform::headless {

enum class BoxIcon { kError, kInformation, kStop };

struct ShownBox {
  std::string title;
  std::string text;
  BoxIcon icon;
};

struct ShownMenu {
  std::vector<MenuEntry> entries;
  Point at;  // on the screen
};

}  // namespace platform::headless
