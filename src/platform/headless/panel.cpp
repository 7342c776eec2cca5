#include "platform/panel.h"

#include "platform/headless/ui_driver.h"

namespace platform {

struct Panel::Impl {
  int immediatePaints = 0;
  int invalidations = 0;
};

Panel::Panel(Form& parent, const Rect& bounds, Color color)
    : form_(parent), bounds_(bounds), color_(color), impl_(std::make_unique<Impl>()) {}

Panel::~Panel() = default;

void Panel::invalidateRect(const Rect&) {
  ++impl_->invalidations;
}

void Panel::paintControlNow(GraphicControl&) {
  ++impl_->immediatePaints;
}

void Panel::setMouseCapture(bool) {}

Point Panel::clientToScreen(Point at) const {
  const Rect window = form_.screenBounds();
  return {window.left + bounds_.left + at.x, window.top + bounds_.top + at.y};
}

int Panel::colorDepth() const {
  return 32;
}

namespace headless {

int immediatePaints(const ControlHost& host) {
  return static_cast<const Panel&>(host).impl().immediatePaints;
}
int invalidations(const ControlHost& host) {
  return static_cast<const Panel&>(host).impl().invalidations;
}

}  // namespace headless
}  // namespace platform
