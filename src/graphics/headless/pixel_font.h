#pragma once
#include <functional>

#include "graphics/font.h"

namespace graphics::headless {

// The headless backend's one built-in typeface: 5 x 7 glyphs in cells of fixed size, so that
// text layout on the host is exact and the same everywhere. A -11 font has a 6-pixel advance
// and a 13-pixel line; bold widens the advance by one stroke. Larger fonts scale the glyphs by
// whole pixels. The face name is ignored; italic is drawn upright.
class PixelFont {
 public:
  using PixelSink = std::function<void(int x, int y)>;

  explicit PixelFont(const Font& font);

  int advance() const { return advance_; }
  int lineHeight() const { return lineHeight_; }
  int width(int characters) const { return characters * advance_; }

  // Sets, through sink, every pixel of c drawn with its cell's top-left corner at (x, y).
  void drawChar(char c, int x, int y, bool underline, const PixelSink& sink) const;

 private:
  static void fillBlock(int x, int y, int w, int h, const PixelSink& sink);

  int scale_ = 1;
  int lineHeight_ = 13;
  int advance_ = 6;
  int glyphTop_ = 3;
  bool bold_ = false;
  bool underline_ = false;
  bool strikeOut_ = false;
};

}  // namespace graphics::headless
