#pragma once
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "toolkit/action.h"
#include "toolkit/form.h"
#include "toolkit/image_list.h"
#include "toolkit/log_box.h"
#include "toolkit/panel.h"
#include "toolkit/popup_menu.h"
#include "widgets/lb_speed_button.h"

namespace showcase {

// One window that shows what the speed button can do, section by section, and writes what
// happens into its event log: face and colour styles, a group, accelerators, a popup menu, an
// action with an image list, transparent and flat buttons, a glyph strip, hints.
class ShowcaseWindow {
 public:
  ShowcaseWindow();
  toolkit::Form& form() { return form_; }
  void show() { form_.show(); }

 private:
  using Button = widgets::TLbSpeedButton;

  toolkit::Panel& section(const graphics::Rect& bounds, std::string_view heading);
  // A button of `panel` with the showcase's own colours, set up while loading: nothing is drawn
  // until every setting is in.
  Button& addButton(toolkit::Panel& panel, const graphics::Rect& bounds, std::string_view name,
                    std::string_view caption, std::string_view hint);
  void log(std::string_view line) { log_->appendLine(line); }
  void logClicks(Button& button);

  void buildFaceStyles();
  void buildColourStyles();
  void buildTransparent();
  void buildFlat();
  void buildGroup();
  void buildAccelerators();
  void buildPopupMenu();
  void buildAction();
  void buildGlyphs();

  toolkit::Form form_;
  std::vector<std::unique_ptr<toolkit::Panel>> panels_;
  std::unique_ptr<toolkit::LogBox> log_;
  std::vector<Button*> group_;
  toolkit::PopupMenu& colours_;
  toolkit::ImageList& images_;
  toolkit::ActionList& actions_;
  toolkit::Action& play_;
};

}  // namespace showcase
