#pragma once
#include <memory>
#include <string>

#include "graphics/canvas.h"
#include "graphics/font.h"
#include "widgets/lb_button_types.h"
#include "widgets/lb_colors.h"

namespace widgets {

// Everything one frame of a speed button is drawn from, in the painter's order.
struct TLbButtonFace {
  int width = 0;
  int height = 0;
  TAlignment alignment = taLeftJustify;
  std::string caption;
  TLbSpeedButtonLayout layout = blGlyphLeft;
  graphics::Font font;
  TColor shadowColor = clBlack;
  TColor lightColor = clWhite;
  TColor hotTrackColor = clNone;
  TColor colorWhenDown = clNone;
  TColor color = clWindow;
  TLbSpeedButtonStyle style = bsNormal;
  bool hasPopupMenu = false;
  bool wordWrap = false;
  bool flat = false;
  bool enabled = true;
  bool transparent = false;
  bool mouseInside = false;
  bool down = false;
  const graphics::Bitmap* glyph = nullptr;  // none when null
  int numGlyphs = 0;
  int fadeStep = 0;
};

// Whether the face leaves parts of its bitmap in the key colour, to be seen through on screen.
bool FaceIsSeeThrough(const TLbButtonFace& face);

// One frame in a fresh off-screen bitmap of the face's size: filled with the key colour and
// see-through where the face leaves background, then painted. Draw it with Canvas::draw.
std::unique_ptr<graphics::Bitmap> ComposeButtonFace(const TLbButtonFace& face);

}  // namespace widgets
