#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "graphics/geometry.h"
#include "toolkit/component.h"
#include "toolkit/events.h"

namespace toolkit {

// One entry of a popup menu; the caption "-" makes it a separator line. "&" marks the
// entry's accelerator as in any caption.
class MenuItem : public Component {
 public:
  explicit MenuItem(Component* owner) : Component(owner) {}

  const std::string& caption() const { return caption_; }
  void setCaption(std::string_view caption) { caption_ = caption; }
  bool isSeparator() const { return caption_ == "-"; }
  bool checked() const { return checked_; }
  void setChecked(bool on) { checked_ = on; }
  // A disabled entry is shown greyed and cannot be chosen.
  bool enabled() const { return enabled_; }
  void setEnabled(bool on) { enabled_ = on; }

  // Raised with the item as sender when the entry is chosen.
  NotifyEvent onClick;
  void click();

 private:
  std::string caption_;
  bool checked_ = false;
  bool enabled_ = true;
};

// A menu that drops down at a point of the screen: the system's own popup menu on Windows.
class PopupMenu : public Component {
 public:
  explicit PopupMenu(Component* owner) : Component(owner) {}
  ~PopupMenu() override;

  // A new entry at the end, owned by the menu.
  MenuItem& addItem(std::string_view caption, NotifyEvent onClick = {});
  // The entries in their order.
  std::vector<MenuItem*> items() const;

  // Shows the menu with its top-left corner at a point of the screen and returns once it has
  // closed. The chosen entry's handler has run by then, under the event guard: an error in it
  // is reported and the caller goes on.
  void popup(graphics::Point screen);
};

}  // namespace toolkit
