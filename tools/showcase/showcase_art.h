#pragma once
#include <memory>

#include "graphics/canvas.h"
#include "toolkit/graphic_control.h"

// What the showcase draws itself: section headings, the patterned ground under its transparent
// buttons, and the pictures of its glyphs and image list.
namespace showcase {

// A line of text on its parent, in the control's font, without a background.
class Label : public toolkit::GraphicControl {
 public:
  using GraphicControl::GraphicControl;
  void paint(graphics::Canvas& canvas) override;
};

// A checkerboard of two colours, so that what a transparent button leaves shows.
class Checkerboard : public toolkit::GraphicControl {
 public:
  using GraphicControl::GraphicControl;
  void paint(graphics::Canvas& canvas) override;
};

// Five 16 x 16 pictures on the key colour: square, disc, play, plus, cross.
inline constexpr int kImageCount = 5;
inline constexpr int kPlayImage = 2;
std::unique_ptr<graphics::Bitmap> makeImageStrip();

// A 64 x 16 glyph strip of four frames, in the order the button uses them: normal, disabled,
// down, hot. Each frame is a star of another colour on white.
std::unique_ptr<graphics::Bitmap> makeFourFrameGlyph();

}  // namespace showcase
