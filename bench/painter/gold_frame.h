#pragma once
#include "gold_button.h"
#include "platform/canvas.h"
#include "widgets/lb_face_composer.h"
#include "widgets/lb_speed_button.h"

namespace bench {

enum class FrameLook { kUp, kHot, kDown, kUpWithMenu };

// The main window's gold button, 108 x 31, in one look.
widgets::TLbButtonFace goldFace(FrameLook look);

// One whole frame as the control makes it: a new off-screen bitmap, the key-colour fill, the
// face, and the see-through copy onto screen.
void paintGoldFrame(platform::Canvas& screen, FrameLook look);

// The same frame without the face: what making and copying the bitmap costs alone.
void copyEmptyFrame(platform::Canvas& screen);

// The real control on a shown window's panel, set up like the main window's close button.
class GoldButtonWindow {
 public:
  GoldButtonWindow();
  // One frame through the control: composed and drawn onto the panel at once.
  void frame() { button_.paintNow(); }
  // The pointer comes over the button and leaves it again: two frames.
  void enterAndLeave() { window_.enterAndLeave(); }
  const widgets::TLbSpeedButton& button() const { return button_; }

 private:
  gold_button::Window window_;
  widgets::TLbSpeedButton& button_;
};

}  // namespace bench
