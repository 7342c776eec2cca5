#pragma once
#include <optional>

#include "platform/canvas.h"
#include "platform/headless/pixel_surface.h"
#include "platform/headless/software_canvas.h"

namespace platform::headless {

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

  void setTransparentColor(Color c) override;
  void setAutoTransparent() override;
  void setOpaque() override;
  std::optional<Color> seeThroughColor() const override;

  std::unique_ptr<Bitmap> clone() const override;

 private:
  enum class Transparency { kOpaque, kFixed, kAutomatic };

  PixelSurface surface_;
  SoftwareCanvas canvas_{surface_};
  Transparency transparency_ = Transparency::kOpaque;
  Color transparentColor_ = 0;
};

}  // namespace platform::headless
