#include "graphics/canvas.h"

#include <stdexcept>
#include <string>

namespace graphics {

void requireBitmapSize(int width, int height) {
  if (width < 0 || height < 0 || width > kMaxBitmapSide || height > kMaxBitmapSide) {
    throw std::invalid_argument("Bitmap size " + std::to_string(width) + " x " + std::to_string(height) +
                                " is outside 0 to " + std::to_string(kMaxBitmapSide));
  }
}

void Bitmap::setTransparentColor(Color c) {
  transparency_ = Transparency::kFixed;
  transparentColor_ = c;
}

void Bitmap::setAutoTransparent() {
  transparency_ = Transparency::kAutomatic;
}

void Bitmap::setOpaque() {
  transparency_ = Transparency::kOpaque;
}

std::optional<Color> Bitmap::seeThroughColor() const {
  switch (transparency_) {
    case Transparency::kOpaque:
      return std::nullopt;
    case Transparency::kFixed:
      return canvas().resolve(transparentColor_);
    case Transparency::kAutomatic:
      if (width() == 0 || height() == 0) return std::nullopt;
      return canvas().pixel(0, height() - 1);
  }
  return std::nullopt;
}

}  // namespace graphics
