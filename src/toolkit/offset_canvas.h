#pragma once
#include "graphics/canvas.h"

namespace toolkit {

// Another canvas seen from a point inside it: what a graphic control draws at (0, 0) lands at
// `origin` of its parent's surface. Drawing is not clipped to the control's rectangle; the
// controls of this toolkit compose whole frames of their own size.
class OffsetCanvas final : public graphics::Canvas {
 public:
  OffsetCanvas(graphics::Canvas& target, graphics::Point origin) : target_(target), origin_(origin) {}

  void setPenColor(graphics::Color c) override { target_.setPenColor(c); }
  graphics::Color penColor() const override { return target_.penColor(); }
  void setPenStyle(graphics::PenStyle s) override { target_.setPenStyle(s); }
  graphics::PenStyle penStyle() const override { return target_.penStyle(); }
  void setBrushColor(graphics::Color c) override { target_.setBrushColor(c); }
  graphics::Color brushColor() const override { return target_.brushColor(); }
  void setBrushStyle(graphics::BrushStyle s) override { target_.setBrushStyle(s); }
  graphics::BrushStyle brushStyle() const override { return target_.brushStyle(); }
  void setFont(const graphics::Font& f) override { target_.setFont(f); }
  const graphics::Font& font() const override { return target_.font(); }

  void fillRect(const graphics::Rect& r) override { target_.fillRect(moved(r)); }
  void rectangle(const graphics::Rect& r) override { target_.rectangle(moved(r)); }
  void roundRect(const graphics::Rect& r, int ellipseWidth, int ellipseHeight) override {
    target_.roundRect(moved(r), ellipseWidth, ellipseHeight);
  }
  void moveTo(int x, int y) override { target_.moveTo(x + origin_.x, y + origin_.y); }
  void lineTo(int x, int y) override { target_.lineTo(x + origin_.x, y + origin_.y); }

  int drawText(std::string_view text, graphics::Rect& r, unsigned flags) override;
  graphics::Size textExtent(std::string_view text) override { return target_.textExtent(text); }

  void draw(int x, int y, const graphics::Bitmap& bitmap) override {
    target_.draw(x + origin_.x, y + origin_.y, bitmap);
  }
  void drawOpaque(int x, int y, const graphics::Bitmap& bitmap) override {
    target_.drawOpaque(x + origin_.x, y + origin_.y, bitmap);
  }

  graphics::Color resolve(graphics::Color c) const override { return target_.resolve(c); }
  graphics::Color pixel(int x, int y) const override { return target_.pixel(x + origin_.x, y + origin_.y); }

 private:
  graphics::Rect moved(const graphics::Rect& r) const { return r.offset(origin_.x, origin_.y); }

  graphics::Canvas& target_;
  graphics::Point origin_;
};

}  // namespace toolkit
