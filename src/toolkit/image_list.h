#pragma once
#include <memory>
#include <optional>
#include <vector>

#include "graphics/canvas.h"
#include "toolkit/component.h"

namespace toolkit {

// Images of one size, numbered from 0, cut from bitmap strips and drawn see-through.
class ImageList : public Component {
 public:
  // Throws std::invalid_argument unless both sides are at least 1 and within kMaxBitmapSide.
  ImageList(Component* owner, int width = 16, int height = 16);
  ~ImageList() override;

  int width() const { return width_; }
  int height() const { return height_; }
  int count() const { return static_cast<int>(images_.size()); }

  // Cuts a strip into images of the list's size, left to right, and adds them at the end; their
  // pixels of `maskColor` (by default the strip's lower-left pixel) are left out when an image
  // is drawn. The number of images added. A strip of another height, or whose width is not a
  // whole number of images, is refused with std::invalid_argument and nothing is added.
  int addStrip(const graphics::Bitmap& strip, std::optional<graphics::Color> maskColor = std::nullopt);
  void clear() { images_.clear(); }

  // Draws image `index` in its enabled look with its top-left corner at (x, y). Throws
  // std::out_of_range for an index that is not below count().
  void draw(graphics::Canvas& canvas, int x, int y, int index) const;

 private:
  int width_;
  int height_;
  std::vector<std::unique_ptr<graphics::Bitmap>> images_;
};

}  // namespace toolkit
