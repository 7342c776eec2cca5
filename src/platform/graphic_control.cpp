#include "platform/graphic_control.h"

#include "platform/control_host.h"

namespace platform {

GraphicControl::GraphicControl(ControlHost& host, const Rect& bounds) : host_(host), bounds_(bounds) {
  host_.attach(*this);
}

GraphicControl::~GraphicControl() {
  host_.detach(*this);
}

void GraphicControl::setBounds(const Rect& bounds) {
  invalidate();
  bounds_ = bounds;
  invalidate();
}

void GraphicControl::setCaption(std::string_view caption) {
  if (caption_ == caption) return;
  caption_ = caption;
  invalidate();
}

void GraphicControl::setEnabled(bool enabled) {
  if (enabled_ == enabled) return;
  enabled_ = enabled;
  invalidate();
}

void GraphicControl::setVisible(bool visible) {
  if (visible_ == visible) return;
  visible_ = visible;
  host_.invalidateRect(bounds_);
}

void GraphicControl::invalidate() {
  if (visible_) host_.invalidateRect(bounds_);
}

void GraphicControl::repaint() {
  if (visible_) host_.paintControlNow(*this);
}

void GraphicControl::mouseDown(MouseButton, unsigned, Point) {}
void GraphicControl::mouseUp(MouseButton, unsigned, Point) {}

void GraphicControl::doubleClick(unsigned shift, Point at) {
  mouseDown(MouseButton::kLeft, shift, at);
}

void GraphicControl::click() {
  if (onClick) onClick();
}

}  // namespace platform
