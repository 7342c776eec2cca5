#pragma once
#include <memory>

#include "toolkit/child_window.h"
#include "toolkit/control_host.h"
#include "toolkit/form.h"
#include "toolkit/window_handle.h"

namespace toolkit {

// A raised, bevelled child area of a form that hosts graphic controls. Its window exists while
// it has a form as parent; without one it shows nothing. A panel must not outlive its form.
class Panel : public ChildWindow<Form>, public ControlHost {
 public:
  // The colour a new panel shows, which its window description need not store.
  static constexpr graphics::Color kDefaultColor = graphics::kBtnFaceColor;
  explicit Panel(Component* owner);
  Panel(Form& parent, const graphics::Rect& bounds, graphics::Color color, Component* owner = nullptr);
  ~Panel() override;

  graphics::Color backgroundColor() const override { return color_; }
  // The form's font, which controls placed on the panel speak in.
  graphics::Font font() const override { return parent_ ? parent_->font() : graphics::Font{}; }
  int density() const override { return parent_ ? parent_->density() : kDesignDensity; }
  // The log boxes on it.
  DensityFollowers& densityFollowers() { return followers_; }
  bool showing() const override;
  bool topLevelEnabled() const override;
  void invalidateRect(const graphics::Rect& r) override;
  void paintControlNow(GraphicControl& control) override;
  void setMouseCapture(bool on) override;
  graphics::Point clientToScreen(graphics::Point at) const override;
  int colorDepth() const override;
  void requestPostedRun() override;
  void accessibleChanged(GraphicControl& control, AccessibleChange change) override;

  // Paints the whole panel: background, bevel and controls.
  void paint(graphics::Canvas& canvas, const graphics::Rect& clip);

  // The backend's window of the panel, which the windows of the components placed on it (a log
  // box) go into; on Windows null until the panel has a form and once its window is gone.
  WindowHandle window() const;

  struct Impl;

 private:
  // How a panel's errors name it and its parent, and the colour a new one shows.
  static constexpr const char* kKind = "Panel";
  static constexpr const char* kParentKind = "form";

  // The backend's part: the window follows the panel's form and bounds.
  void placeWindow(Form* previous) override;
  void moveWindow() override;
  // The colour shows at the next paint.
  void colorWindow() override;
  void parentChanged(Form* previous) override;
  // Its controls and log boxes follow, and it repaints.
  void densityChanged() override;

  DensityFollowers followers_;

  std::unique_ptr<Impl> impl_;
};

}  // namespace toolkit
