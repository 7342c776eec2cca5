#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "graphics/color.h"
#include "graphics/font.h"
#include "graphics/geometry.h"
#include "toolkit/form.h"
#include "toolkit/panel.h"
#include "widgets/lb_face_composer.h"
#include "widgets/lb_speed_button.h"

// The main window's gold button as the programs and tests around the product see it: what they
// compare with, measure or film is set up here once.
namespace gold_button {

inline constexpr int kWidth = 108;
inline constexpr int kHeight = 31;
inline constexpr graphics::Color kPanelColor = 0x005BCECB;
inline constexpr graphics::Color kCaptionColor = 0x00005555;

// Bold, in the caption colour.
graphics::Font captionFont();

// The face of a gold button of that size and caption, up, the pointer elsewhere.
widgets::TLbButtonFace face(int width, int height, std::string caption);

// The face composed as a screen shows it on the main window's panel, row by row from the top:
// its see-through pixels show the panel's colour.
std::vector<graphics::Color> shownOnPanel(const widgets::TLbButtonFace& face);

// A shown window filled by a panel of the main window's colour. The window is centred on the
// screen, where a fresh display keeps the real pointer; its buttons sit in the top-left corner,
// away from it, so that only the moves made through the panel make them hot.
class Window {
 public:
  // Where a button goes on the panel, and points of the panel on it and off it.
  static constexpr graphics::Rect kButtonBounds{20, 15, 20 + kWidth, 15 + kHeight};
  static constexpr graphics::Point kOnTheButton{30, 20};
  static constexpr graphics::Point kOffTheButton{5, 5};

  explicit Window(std::string caption);

  toolkit::Form& form() { return form_; }
  toolkit::Panel& panel() { return panel_; }

  // A new button owned by the window, set up like the main window's close button, at
  // kButtonBounds.
  widgets::TLbSpeedButton& addButton(std::string_view name);
  // The pointer comes over the button and leaves it again.
  void enterAndLeave();

 private:
  toolkit::Form form_;
  toolkit::Panel panel_;
};

}  // namespace gold_button
