#include "graphics/headless/software_bitmap.h"

#include <algorithm>

namespace graphics::headless {

SoftwareBitmap::SoftwareBitmap(int width, int height) {
  requireBitmapSize(width, height);
  surface_.width = width;
  surface_.height = height;
  surface_.pixels.assign(static_cast<std::size_t>(width) * height, 0);
}

SoftwareBitmap::SoftwareBitmap(const SoftwareBitmap& other) : Bitmap(other), surface_(other.surface_) {
  // The copy's canvas starts with the default pen, brush and font, as a fresh GDI device
  // context does.
}

void SoftwareBitmap::setSize(int width, int height) {
  requireBitmapSize(width, height);
  std::vector<Color> pixels(static_cast<std::size_t>(width) * height, 0);
  const int keepWidth = std::min(width, surface_.width);
  for (int y = 0; y < std::min(height, surface_.height); ++y) {
    const auto from = surface_.pixels.begin() + static_cast<std::ptrdiff_t>(y) * surface_.width;
    std::copy(from, from + keepWidth, pixels.begin() + static_cast<std::ptrdiff_t>(y) * width);
  }
  surface_.width = width;
  surface_.height = height;
  surface_.pixels = std::move(pixels);
}

std::unique_ptr<Bitmap> SoftwareBitmap::clone() const {
  return std::make_unique<SoftwareBitmap>(*this);
}

}  // namespace graphics::headless

namespace graphics {

std::unique_ptr<Bitmap> createBitmap(int width, int height) {
  return std::make_unique<headless::SoftwareBitmap>(width, height);
}

}  // namespace graphics
