#include "toolkit/popup_menu.h"

#include "toolkit/guarded.h"
#include "toolkit/menu_tracking.h"

namespace toolkit {

void MenuItem::click() {
  if (onClick) onClick(*this);
}

PopupMenu::~PopupMenu() {
  unlinkAll();
}

MenuItem& PopupMenu::addItem(std::string_view caption, NotifyEvent onClick) {
  MenuItem& item = own<MenuItem>();
  item.setCaption(caption);
  item.onClick = std::move(onClick);
  return item;
}

std::vector<MenuItem*> PopupMenu::items() const {
  std::vector<MenuItem*> found;
  for (const auto& owned : ownedComponents()) {
    if (auto* item = dynamic_cast<MenuItem*>(owned.get())) found.push_back(item);
  }
  return found;
}

void PopupMenu::popup(graphics::Point screen) {
  const std::vector<MenuItem*> shown = items();
  std::vector<MenuEntry> entries;
  entries.reserve(shown.size());
  for (const MenuItem* item : shown)
    entries.push_back({item->caption(), item->isSeparator(), item->checked(), item->enabled()});
  const auto chosen = trackPopupMenu(entries, screen);
  // The backend reports what the user chose; whether it could be chosen is decided here.
  if (!chosen || *chosen >= shown.size()) return;
  MenuItem* const item = shown[*chosen];
  if (item->enabled() && !item->isSeparator()) runGuarded([item] { item->click(); });
}

}  // namespace toolkit
