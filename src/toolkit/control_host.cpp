#include "toolkit/control_host.h"

#include <algorithm>
#include <utility>

#include "toolkit/graphic_control.h"
#include "toolkit/guarded.h"
#include "toolkit/offset_canvas.h"

namespace toolkit {
namespace {

graphics::Point toControl(const GraphicControl& c, graphics::Point at) {
  return {at.x - c.left(), at.y - c.top()};
}

}  // namespace

ControlHost::~ControlHost() {
  for (GraphicControl* control : controls_) control->parent_ = nullptr;
}

void ControlHost::controlsFollowDensity() {
  for (GraphicControl* control : controls_) control->followDensity();
}

void ControlHost::attach(GraphicControl& control) {
  controls_.push_back(&control);
}

void ControlHost::detach(GraphicControl& control) {
  const auto at = std::find(controls_.begin(), controls_.end(), &control);
  const bool renumbers = at != controls_.end() && at + 1 != controls_.end();
  std::erase(controls_, &control);
  // The controls after it move up one number: clients that keep numbers must ask again.
  if (renumbers) accessibleChanged(control, AccessibleChange::kReorder);
  std::erase_if(posted_, [&control](const auto& item) { return item.first == &control; });
  if (captured_ == &control) {
    captured_ = nullptr;
    setMouseCapture(false);
  }
  if (hot_ == &control) hot_ = nullptr;
}

bool ControlHost::holds(const GraphicControl* control) const {
  return std::find(controls_.begin(), controls_.end(), control) != controls_.end();
}

GraphicControl* ControlHost::controlAt(graphics::Point at, bool allowDisabled) const {
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
    GraphicControl* c = *it;
    if (c->visible() && (allowDisabled || c->enabled()) && c->bounds().contains(at)) return c;
  }
  return nullptr;
}

void ControlHost::handleMouseDown(MouseButton button, unsigned shift, graphics::Point at, bool doubleClick) {
  moveOver(at);
  GraphicControl* target = captured_ ? captured_ : controlAt(at, false);
  if (!target) return;
  if (button == MouseButton::kLeft && !captured_) {
    captured_ = target;
    setMouseCapture(true);
  }
  const graphics::Point local = toControl(*target, at);
  if (doubleClick && button == MouseButton::kLeft) {
    runGuarded([&] { target->doubleClick(shift, local); });
  } else {
    runGuarded([&] { target->mouseDown(button, shift, local); });
  }
}

void ControlHost::handleMouseUp(MouseButton button, unsigned shift, graphics::Point at) {
  // A left release belongs to the control that took the press, wherever it happens.
  GraphicControl* target = captured_                      ? captured_
                           : button == MouseButton::kLeft ? nullptr
                                                          : controlAt(at, false);
  if (!target) return;
  const graphics::Point local = toControl(*target, at);
  if (button == MouseButton::kLeft && captured_) {
    captured_ = nullptr;
    setMouseCapture(false);
    // The click comes before the release step, so a click handler runs while the control
    // still shows itself pressed. A failing handler is reported and the release step still
    // runs, so the control does not stay pressed.
    if (graphics::Rect{0, 0, target->width(), target->height()}.contains(local))
      runGuarded([target] { target->click(); });
  }
  // The click handler may have taken the control away; only a control still here gets the release.
  if (holds(target)) runGuarded([&] { target->mouseUp(button, shift, local); });
  moveOver(at);
}

void ControlHost::handleMouseMove(graphics::Point at, unsigned shift) {
  moveOver(at);
  GraphicControl* target = captured_ ? captured_ : controlAt(at, false);
  if (target) runGuarded([&] { target->mouseMove(shift, toControl(*target, at)); });
}

void ControlHost::moveOver(graphics::Point at) {
  // While a control holds the capture, the pointer counts as over it only when it is.
  GraphicControl* under = controlAt(at, true);
  if (captured_ && under != captured_) under = nullptr;
  if (under == hot_) return;
  GraphicControl* const left = hot_;
  hot_ = under;
  if (left) runGuarded([left] { left->mouseLeave(); });
  // A leave handler may have taken the new control away.
  if (hot_ && holds(hot_)) runGuarded([this] { hot_->mouseEnter(); });
}

void ControlHost::handlePointerLeft() {
  if (captured_) return;  // the release outside still belongs to the captured control
  if (GraphicControl* const left = std::exchange(hot_, nullptr)) runGuarded([left] { left->mouseLeave(); });
}

void ControlHost::handleCaptureLost() {
  if (!captured_) return;
  GraphicControl* const lost = std::exchange(captured_, nullptr);
  runGuarded([lost] { lost->mouseUp(MouseButton::kLeft, 0, {-1, -1}); });
}

bool ControlHost::handleDialogChar(char c) {
  // Copy: a control's handler may add or remove controls.
  const auto snapshot = controls_;
  for (GraphicControl* control : snapshot) {
    if (!holds(control)) continue;
    bool taken = false;
    // A handler that fails has still recognised its character: it is reported, not passed on.
    runGuarded([&] {
      taken = true;
      taken = control->dialogChar(c);
    });
    if (taken) return true;
  }
  return false;
}

void ControlHost::paintControls(graphics::Canvas& canvas, const graphics::Rect& clip) {
  for (GraphicControl* control : controls_) {
    const graphics::Rect& b = control->bounds();
    const bool meets =
        b.left < clip.right && clip.left < b.right && b.top < clip.bottom && clip.top < b.bottom;
    if (control->paintable() && meets) paintControl(canvas, *control);
  }
}

void ControlHost::paintControl(graphics::Canvas& target, GraphicControl& control) {
  if (control.width() <= 0 || control.height() <= 0) return;
  OffsetCanvas canvas(target, {control.left(), control.top()});
  // One control that cannot draw must not keep the others from drawing.
  runGuarded([&] { control.paint(canvas); });
}

void ControlHost::post(GraphicControl& control, std::function<void(GraphicControl&)> work) {
  if (!holds(&control)) return;
  posted_.emplace_back(&control, std::move(work));
  requestPostedRun();
}

void ControlHost::runPosted() {
  // One at a time from the front: work that opens a modal dialog lets the loop call this again,
  // and what is left must neither run twice nor wait for the dialog.
  while (!posted_.empty()) {
    auto item = std::move(posted_.front());
    posted_.pop_front();
    runGuarded([&item] { item.second(*item.first); });
  }
}

const GraphicControl* ControlHost::hintControlAt(graphics::Point at) const {
  const GraphicControl* c = controlAt(at, true);
  return c && c->showHint() && !c->hint().empty() ? c : nullptr;
}

Cursor ControlHost::cursorAt(graphics::Point at) const {
  const GraphicControl* c = controlAt(at, true);
  return c ? c->cursor() : Cursor::kDefault;
}

}  // namespace toolkit
