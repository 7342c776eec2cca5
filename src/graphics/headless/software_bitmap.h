#pragma once
#include "graphics/canvas.h"
#include "graphics/headless/pixel_surface.h"
#include "graphics/headless/software_canvas.h"

namespace graphics::headless {

class SoftwareBitmap final : public Bitmap {
 public:
  SoftwareBitmap(int width, int height);
  SoftwareBitmap(const SoftwareBitmap& other);
  SoftwareBitmap& operator=(const SoftwareBitmap&) = delete;

  int width() const override { return surface_.width; }
  int height() const override { return surface_.height; }
  void setSize(int width, int height) override;
  Canvas& canvas() override { return canvas_; }
  const Canvas& canvas() const override { return canvas_; }

  std::unique_ptr<Bitmap> clone() const override;

 private:
  PixelSurface surface_;
  SoftwareCanvas canvas_{surface_};
};

}  // namespace graphics::headless
