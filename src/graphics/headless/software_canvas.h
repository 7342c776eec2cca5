#pragma once
#include "graphics/canvas.h"
#include "graphics/headless/pixel_surface.h"

namespace graphics::headless {

// A canvas that rasterises into a PixelSurface with GDI's conventions, for host builds. Shapes
// and lines are exact; text uses the built-in PixelFont. System colours resolve through the
// classic Windows default scheme.
class SoftwareCanvas final : public Canvas {
 public:
  explicit SoftwareCanvas(PixelSurface& surface) : surface_(surface) {}

  void setPenColor(Color c) override { penColor_ = c; }
  Color penColor() const override { return penColor_; }
  void setPenStyle(PenStyle s) override { penStyle_ = s; }
  PenStyle penStyle() const override { return penStyle_; }
  void setBrushColor(Color c) override { brushColor_ = c; }
  Color brushColor() const override { return brushColor_; }
  void setBrushStyle(BrushStyle s) override { brushStyle_ = s; }
  BrushStyle brushStyle() const override { return brushStyle_; }
  void setFont(const Font& f) override { font_ = f; }
  const Font& font() const override { return font_; }

  void fillRect(const Rect& r) override;
  void rectangle(const Rect& r) override;
  void roundRect(const Rect& r, int ellipseWidth, int ellipseHeight) override;
  void moveTo(int x, int y) override { current_ = {x, y}; }
  void lineTo(int x, int y) override;

  int drawText(std::string_view text, Rect& r, unsigned flags) override;
  Size textExtent(std::string_view text) override;

  void draw(int x, int y, const Bitmap& bitmap) override;
  void drawOpaque(int x, int y, const Bitmap& bitmap) override;

  Color resolve(Color c) const override;
  Color pixel(int x, int y) const override;

 private:
  void fillSpan(int y, int x0, int x1, Color c);
  void blit(int x, int y, const Bitmap& bitmap, bool useTransparency);

  PixelSurface& surface_;
  Color penColor_ = 0;
  PenStyle penStyle_ = PenStyle::kSolid;
  Color brushColor_ = 0x00FFFFFF;
  BrushStyle brushStyle_ = BrushStyle::kSolid;
  Font font_;
  Point current_;
};

}  // namespace graphics::headless
