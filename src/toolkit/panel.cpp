#include "toolkit/panel.h"

namespace toolkit {

Panel::Panel(Form& parent, const graphics::Rect& bounds, graphics::Color color, Component* owner)
    : Panel(owner) {
  setBounds(bounds);
  setColor(color);
  setParent(&parent);
}

void Panel::parentChanged(Form* previous) {
  if (previous) previous->removeHost(*this);
  parent_->addHost(*this);
}

void Panel::densityChanged() {
  controlsFollowDensity();
  followers_.tellAll();
  colorWindow();
}

void Panel::colorWindow() {
  invalidateRect({0, 0, bounds().width(), bounds().height()});
}

void Panel::paint(graphics::Canvas& canvas, const graphics::Rect& clip) {
  const int w = bounds().width();
  const int h = bounds().height();
  canvas.setBrushStyle(graphics::BrushStyle::kSolid);
  canvas.setBrushColor(color_);
  canvas.fillRect({0, 0, w, h});
  // A raised bevel one pixel wide: light on the top and left, shadow on the bottom and right.
  canvas.setPenStyle(graphics::PenStyle::kSolid);
  canvas.setPenColor(canvas.resolve(graphics::kBtnHighlightColor));
  canvas.moveTo(0, h - 1);
  canvas.lineTo(0, 0);
  canvas.lineTo(w - 1, 0);
  canvas.setPenColor(canvas.resolve(graphics::kBtnShadowColor));
  canvas.lineTo(w - 1, h - 1);
  canvas.lineTo(-1, h - 1);
  paintControls(canvas, clip);
}

}  // namespace toolkit
