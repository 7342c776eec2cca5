#include "toolkit/panel.h"

namespace platform {

Panel::Panel(Form& parent, const Rect& bounds, Color color, Component* owner) : Panel(owner) {
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

void Panel::paint(Canvas& canvas, const Rect& clip) {
  const int w = bounds().width();
  const int h = bounds().height();
  canvas.setBrushStyle(BrushStyle::kSolid);
  canvas.setBrushColor(color_);
  canvas.fillRect({0, 0, w, h});
  // A raised bevel one pixel wide: light on the top and left, shadow on the bottom and right.
  canvas.setPenStyle(PenStyle::kSolid);
  canvas.setPenColor(canvas.resolve(kBtnHighlightColor));
  canvas.moveTo(0, h - 1);
  canvas.lineTo(0, 0);
  canvas.lineTo(w - 1, 0);
  canvas.setPenColor(canvas.resolve(kBtnShadowColor));
  canvas.lineTo(w - 1, h - 1);
  canvas.lineTo(-1, h - 1);
  paintControls(canvas, clip);
}

}  // namespace platform
