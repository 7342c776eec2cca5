#pragma once
#include <optional>
#include <string>
#include <vector>

#include "graphics/geometry.h"

// The backend's part of a popup menu: showing the entries and telling which was chosen.
namespace toolkit {

struct MenuEntry {
  std::string caption;
  bool separator = false;
  bool checked = false;
  bool enabled = true;
};

// Shows a popup menu with its top-left corner at a screen point and waits until it closes; the
// index of the chosen entry, or none when the menu was dismissed.
std::optional<std::size_t> trackPopupMenu(const std::vector<MenuEntry>& entries, graphics::Point screen);

}  // namespace toolkit
