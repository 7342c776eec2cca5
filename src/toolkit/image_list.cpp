#include "toolkit/image_list.h"

#include <stdexcept>
#include <string>

namespace toolkit {

ImageList::ImageList(Component* owner, int width, int height)
    : Component(owner), width_(width), height_(height) {
  if (width < 1 || height < 1) throw std::invalid_argument("An image list's images must be at least 1 x 1");
  graphics::requireBitmapSize(width, height);
}

ImageList::~ImageList() {
  unlinkAll();
}

int ImageList::addStrip(const graphics::Bitmap& strip, std::optional<graphics::Color> maskColor) {
  if (strip.height() != height_ || strip.width() % width_ != 0) {
    throw std::invalid_argument("A strip of " + std::to_string(strip.width()) + " x " +
                                std::to_string(strip.height()) + " is no row of " + std::to_string(width_) +
                                " x " + std::to_string(height_) + " images");
  }
  const graphics::Color mask = maskColor ? *maskColor : strip.canvas().pixel(0, strip.height() - 1);
  std::vector<std::unique_ptr<graphics::Bitmap>> cut;
  for (int x = 0; x < strip.width(); x += width_) {
    auto image = graphics::createBitmap(width_, height_);
    image->canvas().drawOpaque(-x, 0, strip);
    image->setTransparentColor(mask);
    cut.push_back(std::move(image));
  }
  for (auto& image : cut) images_.push_back(std::move(image));
  return static_cast<int>(cut.size());
}

void ImageList::draw(graphics::Canvas& canvas, int x, int y, int index) const {
  if (index < 0 || index >= count()) {
    throw std::out_of_range("Image index " + std::to_string(index) + " out of the list's " +
                            std::to_string(count()) + " images");
  }
  canvas.draw(x, y, *images_[static_cast<std::size_t>(index)]);
}

}  // namespace toolkit
