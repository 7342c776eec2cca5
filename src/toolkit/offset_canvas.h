#pragma once
#include "platform/canvas.h"

namespace platform {

// Another canvas seen from a point inside it: what a graphic control draws at (0, 0) lands at
// `origin` of its parent's surface. Drawing is not clipped to the control's rectangle; the
// controls of this toolkit compose whole frames of their own size.
class OffsetCanvas final : public Canvas {
 public:
  OffsetCanvas(Canvas& target, Point origin) : target_(target), origin_(origin) {}

  void setPenColor(Color c) override { target_.setPenColor(c); }
  Color penColor() const override { return target_.penColor(); }
  void setPenStyle(PenStyle s) override { target_.setPenStyle(s); }
  PenStyle penStyle() const override { return target_.penStyle(); }
  void setBrushColor(Color c) override { target_.setBrushColor(c); }
  Color brushColor() const override { return target_.brushColor(); }
  void setBrushStyle(BrushStyle s) override { target_.setBrushStyle(s); }
  BrushStyle brushStyle() const override { return target_.brushStyle(); }
  void setFont(const Font& f) override { target_.setFont(f); }
  const Font& font() const override { return target_.font(); }

  void fillRect(const Rect& r) override { target_.fillRect(moved(r)); }
  void rectangle(const Rect& r) override { target_.rectangle(moved(r)); }
  void roundRect(const Rect& r, int ellipseWidth, int ellipseHeight) override {
    target_.roundRect(moved(r), ellipseWidth, ellipseHeight);
  }
  void moveTo(int x, int y) override { target_.moveTo(x + origin_.x, y + origin_.y); }
  void lineTo(int x, int y) override { target_.lineTo(x + origin_.x, y + origin_.y); }

  int drawText(std::string_view text, Rect& r, unsigned flags) override;
  Size textExtent(std::string_view text) override { return target_.textExtent(text); }

  void draw(int x, int y, const Bitmap& bitmap) override {
    target_.draw(x + origin_.x, y + origin_.y, bitmap);
  }
  void drawOpaque(int x, int y, const Bitmap& bitmap) override {
    target_.drawOpaque(x + origin_.x, y + origin_.y, bitmap);
  }

  Color resolve(Color c) const override { return target_.resolve(c); }
  Color pixel(int x, int y) const override { return target_.pixel(x + origin_.x, y + origin_.y); }

 private:
  Rect moved(const Rect& r) const { return r.offset(origin_.x, origin_.y); }

  Canvas& target_;
  Point origin_;
};

}  // namespace platform
