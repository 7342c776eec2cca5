#pragma once
#include "gold_button.h"
#include "graphics/canvas.h"
#include "toolkit/screen_density.h"
#include "widgets/lb_face_composer.h"
#include "widgets/lb_speed_button.h"

namespace bench {

enum class FrameLook { kUp, kHot, kDown, kUpWithMenu };

// The main window's gold button, 108 x 31 at 96 dpi, in one look; at `dpi` it has the size and
// the font height the main window gives it there (216 x 62 and -22 at 192).
widgets::TLbButtonFace goldFace(FrameLook look, int dpi = toolkit::kDesignDensity);

// One whole frame as the control makes it: a new off-screen bitmap, the key-colour fill, the
// face, and the see-through copy onto screen (at least 240 x 70).
void paintGoldFrame(graphics::Canvas& screen, FrameLook look, int dpi = toolkit::kDesignDensity);

// The same frame without the face: what making and copying the bitmap costs alone.
void copyEmptyFrame(graphics::Canvas& screen);

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
