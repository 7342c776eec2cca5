#include "widgets/push_button.h"

#include "widgets/push_button_face.h"

namespace widgets {

PushButton::PushButton(platform::ControlHost& host, const platform::Rect& bounds)
    : GraphicControl(host, bounds) {}

void PushButton::setFont(const platform::Font& font) {
  font_ = font;
  invalidate();
}

void PushButton::paint(platform::Canvas& canvas) {
  paintPushButtonFace(canvas, width(), height(), caption(), font_, enabled(), down_ && enabled());
}

void PushButton::mouseDown(platform::MouseButton button, unsigned, platform::Point) {
  if (button == platform::MouseButton::kLeft) setDown(true);
}

void PushButton::mouseUp(platform::MouseButton button, unsigned, platform::Point) {
  if (button == platform::MouseButton::kLeft) setDown(false);
}

void PushButton::setDown(bool down) {
  if (down_ == down) return;
  down_ = down;
  repaint();
}

}  // namespace widgets
