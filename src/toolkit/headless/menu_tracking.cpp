#include "toolkit/menu_tracking.h"

#include "toolkit/headless/in_process_driver.h"
#include "toolkit/headless/ui_state.h"

namespace toolkit {

std::optional<std::size_t> trackPopupMenu(const std::vector<MenuEntry>& entries, graphics::Point screen) {
  const headless::ShownMenu shown{entries, screen};
  headless::uiState().menus.push_back(shown);
  // A copy: the chooser may show another menu, or set a new chooser, while this one is open.
  const auto chooser = headless::uiState().menuChooser;
  return chooser ? chooser(shown) : std::nullopt;
}

const std::vector<headless::ShownMenu>& headless::shownMenus() {
  return uiState().menus;
}

void headless::setMenuChooser(std::function<std::optional<std::size_t>(const ShownMenu&)> chooser) {
  uiState().menuChooser = std::move(chooser);
}

}  // namespace toolkit
