#include "toolkit/graphic_control.h"

#include <stdexcept>

#include "toolkit/action.h"
#include "toolkit/popup_menu.h"

namespace toolkit {

GraphicControl::~GraphicControl() {
  unlinkAll();
  if (parent_) parent_->detach(*this);
}

void GraphicControl::setPopupMenu(PopupMenu* menu) {
  if (menu == popupMenu_) return;
  if (popupMenu_) removeFreeNotification(*popupMenu_);
  popupMenu_ = menu;
  if (menu) freeNotification(*menu);
  invalidate();
}

void GraphicControl::removed(Component& gone) {
  if (&gone == popupMenu_) {
    popupMenu_ = nullptr;
    invalidate();
  }
  if (&gone == action_) action_ = nullptr;
}

void GraphicControl::setAction(Action* action) {
  if (action == action_) return;
  if (action_) {
    action_->unlink(this);
    removeFreeNotification(*action_);
  }
  action_ = action;
  if (!action) return;
  freeNotification(*action);
  action->link({this, this, [](GraphicControl& control, Action& changed, bool checkDefaults) {
                  control.actionChange(changed, checkDefaults);
                }});
  actionChange(*action, action->loading());
}

void GraphicControl::actionChange(Action& action, bool checkDefaults) {
  if (!checkDefaults || caption().empty() || caption() == name()) setCaption(action.caption());
  if (!checkDefaults || enabled()) setEnabled(action.enabled());
  if (!checkDefaults || hint().empty()) setHint(action.hint());
  if (!checkDefaults || visible()) setVisible(action.visible());
}

bool GraphicControl::showHint() const {
  return parentShowHint_ && parent_ ? parent_->showHint() : showHint_;
}

void GraphicControl::setShowHint(bool on) {
  showHint_ = on;
  parentShowHint_ = false;
}

void GraphicControl::setParentShowHint(bool on) {
  if (on == parentShowHint_) return;
  if (!on && !loading()) showHint_ = showHint();  // keeps behaving as it did
  parentShowHint_ = on;
}

void GraphicControl::setParent(ControlParent* parent) {
  if (parent == parent_) return;
  if (parent_) {
    invalidate();
    parent_->detach(*this);
  }
  parent_ = parent;
  if (parent_) {
    bounds_.scaleTo(parent_->density());
    parent_->attach(*this);
    invalidate();
  }
}

int GraphicControl::density() const {
  return parent_ ? parent_->density() : kDesignDensity;
}

void GraphicControl::followDensity() {
  invalidate();
  moved(bounds_.scaleTo(density()));
}

bool GraphicControl::parentShowing() const {
  return parent_ && parent_->showing();
}

void GraphicControl::setBounds(const graphics::Rect& bounds) {
  if (bounds == this->bounds()) return;
  invalidate();
  moved(bounds_.setShown(bounds));
}

void GraphicControl::setDesignBounds(const graphics::Rect& bounds) {
  if (bounds == designBounds()) return;
  invalidate();
  moved(bounds_.setDesign(bounds));
}

void GraphicControl::moved(bool changed) {
  if (!changed) return;
  invalidate();
  accessibleChanged(AccessibleChange::kLocation);
}

void GraphicControl::setCaption(std::string_view caption) {
  if (caption_ == caption) return;
  caption_ = caption;
  invalidate();
  accessibleChanged(AccessibleChange::kName);
}

void GraphicControl::setEnabled(bool enabled) {
  if (enabled_ == enabled) return;
  enabled_ = enabled;
  invalidate();
  accessibleChanged(AccessibleChange::kState);
}

void GraphicControl::setVisible(bool visible) {
  if (visible_ == visible) return;
  visible_ = visible;
  // Shown or hidden, the parent repaints the rectangle: its background, then the control or not.
  if (parent_) parent_->invalidateRect(bounds());
  accessibleChanged(AccessibleChange::kState);  // the invisible state
  accessibleChanged(visible ? AccessibleChange::kShown : AccessibleChange::kHidden);
}

graphics::Color GraphicControl::color() const {
  return parentColor_ && parent_ ? parent_->backgroundColor() : color_;
}

void GraphicControl::setColor(graphics::Color color) {
  if (color == this->color()) return;
  color_ = color;
  parentColor_ = false;
  invalidate();
}

void GraphicControl::setParentColor(bool on) {
  if (on == parentColor_) return;
  if (!on && !loading()) color_ = color();  // keeps showing what it showed
  parentColor_ = on;
  invalidate();
}

graphics::Font GraphicControl::designFont() const {
  return parentFont_ && parent_ ? parent_->font() : font_;
}

graphics::Font GraphicControl::font() const {
  return scaledToDensity(designFont(), density());
}

void GraphicControl::setFont(const graphics::Font& font) {
  font_ = font;
  parentFont_ = false;
  invalidate();
}

void GraphicControl::readOwnColor(graphics::Color color) {
  color_ = color;
  parentColor_ = false;
}

void GraphicControl::setParentFont(bool on) {
  if (on == parentFont_) return;
  if (!on && !loading()) font_ = designFont();
  parentFont_ = on;
  invalidate();
}

void GraphicControl::readOwnFont(const graphics::Font& font) {
  font_ = font;
  parentFont_ = false;
}

void GraphicControl::invalidate() {
  if (parent_ && !loading() && (visible_ || designing())) parent_->invalidateRect(bounds());
}

bool GraphicControl::paintable() const {
  return (visible_ || designing()) && !loading();
}

void GraphicControl::paintNow() {
  if (!paintable()) return;
  if (!parent_) throwNoParent();
  parent_->paintControlNow(*this);
}

int GraphicControl::colorDepth() const {
  if (!parent_) throwNoParent();
  return parent_->colorDepth();
}

graphics::Point GraphicControl::clientToScreen(graphics::Point at) const {
  if (!parent_) throwNoParent();
  return parent_->clientToScreen({at.x + left(), at.y + top()});
}

void GraphicControl::throwNoParent() const {
  throw std::runtime_error("Control '" + name() + "' has no parent window");
}

void GraphicControl::accessibleChanged(AccessibleChange change) {
  if (parent_) parent_->accessibleChanged(*this, change);
}

void GraphicControl::mouseDown(MouseButton button, unsigned shift, graphics::Point at) {
  if (onMouseDown) onMouseDown(*this, button, shift, at);
}

void GraphicControl::mouseUp(MouseButton button, unsigned shift, graphics::Point at) {
  if (onMouseUp) onMouseUp(*this, button, shift, at);
}

void GraphicControl::mouseMove(unsigned shift, graphics::Point at) {
  if (onMouseMove) onMouseMove(*this, shift, at);
}

void GraphicControl::doubleClick(unsigned shift, graphics::Point at) {
  mouseDown(MouseButton::kLeft, shift, at);
}

void GraphicControl::click() {
  if (onClick) {
    onClick(*this);
  } else if (action_) {
    action_->execute();
  }
}

}  // namespace toolkit
