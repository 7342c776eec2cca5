// Inline helpers only: what a child window of the toolkit (a panel on a form, a log box on a
// panel) does with its parent, bounds and colour, written once for both.
#pragma once
#include <stdexcept>
#include <string>

#include "graphics/color.h"
#include "graphics/geometry.h"
#include "toolkit/component.h"
#include "toolkit/screen_density.h"

namespace toolkit {

// A component with a window of the backend's that lives inside the window of a `Parent`. The
// window follows the parent, the bounds and the colour through the hooks below; a parent that
// cannot take the window leaves the child where it was. `Parent` has density() and
// densityFollowers().
template <class Parent>
class ChildWindow : public Component, public DensityFollower {
 public:
  Parent* parent() const { return parent_; }
  // Places the window in a parent, or moves it to another one. A child that has a parent keeps
  // one: none is a logic error. When the window cannot be placed the child keeps its former
  // parent, and the error goes on to the caller.
  void setParent(Parent* parent) {
    if (parent == parent_) return;
    if (!parent)
      throw std::logic_error(std::string(kind_) + " '" + name() + "' cannot be taken off its " + parentKind_);
    Parent* const previous = parent_;
    const ScaledRect before = bounds_;
    parent_ = parent;
    const bool rescaled = bounds_.scaleTo(parent->density());
    try {
      placeWindow(previous);
    } catch (...) {
      parent_ = previous;
      bounds_ = before;
      throw;
    }
    parent->densityFollowers().add(*this);
    // A window that existed keeps its old pixels until told: the new parent's density may differ,
    // for it and for everything inside it.
    if (rescaled) moveWindow();
    densityChanged();
    parentChanged(previous);
  }

  // In the parent's pixels at its density. Without a parent that density is 96, so bounds set
  // before the child is placed count as 96-dpi values and are scaled when it is.
  const graphics::Rect& bounds() const { return bounds_.shown(); }
  void setBounds(const graphics::Rect& bounds) {
    if (bounds_.setShown(bounds)) moveWindow();
  }
  // At 96 dpi, as a window description gives and stores them.
  const graphics::Rect& designBounds() const { return bounds_.design(); }
  void setDesignBounds(const graphics::Rect& bounds) {
    if (bounds_.setDesign(bounds)) moveWindow();
  }

  graphics::Color color() const { return color_; }
  void setColor(graphics::Color color) {
    if (color == color_) return;
    color_ = color;
    colorWindow();
  }

  // The parent's density changed.
  void followDensity() override {
    if (parent_ && bounds_.scaleTo(parent_->density())) moveWindow();
    densityChanged();
  }

 protected:
  // `kind` and `parentKind` name the two in errors: "Panel" on a "form".
  ChildWindow(Component* owner, graphics::Color color, const char* kind, const char* parentKind)
      : Component(owner), color_(color), kind_(kind), parentKind_(parentKind) {}

  // The backend's part: puts the window into the new parent (previous: the former one, if any),
  // moves it to the bounds, shows the colour. placeWindow may throw; nothing has changed then.
  virtual void placeWindow(Parent* previous) = 0;
  virtual void moveWindow() = 0;
  virtual void colorWindow() = 0;
  // The window is in its new parent.
  virtual void parentChanged(Parent* previous) { (void)previous; }
  // After the bounds have followed the parent's density, when it changed or the child was placed
  // in a parent: what else follows it.
  virtual void densityChanged() {}

  Parent* parent_ = nullptr;  // not owned
  ScaledRect bounds_;
  graphics::Color color_;

 private:
  const char* kind_;
  const char* parentKind_;
};

}  // namespace toolkit
