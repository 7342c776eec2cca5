#include "toolkit/menu_tracking.h"

#include <windows.h>

#include <memory>
#include <stdexcept>
#include <type_traits>

#include "toolkit/win32/toolkit.h"

namespace toolkit {
namespace {

struct MenuDeleter {
  void operator()(HMENU menu) const { DestroyMenu(menu); }
};
using UniqueMenu = std::unique_ptr<std::remove_pointer_t<HMENU>, MenuDeleter>;

// A popup menu needs an owner window of this thread. A hidden one of the toolkit's own serves
// every menu, so that no window of the program receives the menu's notifications.
HWND menuOwner() {
  static const win32::UniqueWindow owner(
      CreateWindowExA(WS_EX_TOOLWINDOW, win32::registerClass("UpTK294QMenuOwner", DefWindowProcA, 0, nullptr),
                      "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, win32::instance(), nullptr));
  if (!owner) throw std::runtime_error("Cannot create the popup menu's owner window");
  return owner.get();
}

}  // namespace

std::optional<std::size_t> trackPopupMenu(const std::vector<MenuEntry>& entries, graphics::Point screen) {
  const UniqueMenu menu(CreatePopupMenu());
  if (!menu) throw std::runtime_error("Cannot create the popup menu");
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const MenuEntry& e = entries[i];
    // Command 0 means "nothing chosen", so entry i answers with i + 1.
    const BOOL added = e.separator ? AppendMenuA(menu.get(), MF_SEPARATOR, 0, nullptr)
                                   : AppendMenuA(menu.get(),
                                                 MF_STRING | (e.checked ? MF_CHECKED : MF_UNCHECKED) |
                                                     (e.enabled ? MF_ENABLED : MF_GRAYED),
                                                 i + 1, e.caption.c_str());
    if (!added) throw std::runtime_error("Cannot fill the popup menu");
  }
  // Returns when the menu closes; the choice comes back as the result, not as a message.
  const UINT chosen = static_cast<UINT>(
      TrackPopupMenu(menu.get(), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_LEFTBUTTON | TPM_RETURNCMD, screen.x,
                     screen.y, 0, menuOwner(), nullptr));
  if (chosen == 0 || chosen > entries.size()) return std::nullopt;
  return chosen - 1;
}

}  // namespace toolkit
