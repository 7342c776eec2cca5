#pragma once
#include <memory>

#include "platform/control_host.h"
#include "platform/form.h"

namespace platform {

// A raised, bevelled child area of a form that hosts graphic controls.
class Panel : public ControlHost {
 public:
  Panel(Form& parent, const Rect& bounds, Color color);
  ~Panel() override;

  const Rect& bounds() const { return bounds_; }
  Color backgroundColor() const override { return color_; }
  Font font() const override { return form_.font(); }
  bool showing() const override;
  void invalidateRect(const Rect& r) override;
  void paintControlNow(GraphicControl& control) override;
  void setMouseCapture(bool on) override;
  Point clientToScreen(Point at) const override;
  int colorDepth() const override;
  void requestPostedRun() override;
  void accessibleChanged(GraphicControl& control, AccessibleChange change) override;

  // Paints the whole panel: background, bevel and controls.
  void paint(Canvas& canvas, const Rect& clip);

  Form& form() const { return form_; }
  struct Impl;
  Impl& impl() const { return *impl_; }

 private:
  Form& form_;
  Rect bounds_;
  Color color_;
  std::unique_ptr<Impl> impl_;
};

}  // namespace platform
