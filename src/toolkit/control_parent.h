// An abstract interface only: what a graphic control needs of the window that hosts it.
#pragma once
#include <functional>
#include <vector>

#include "graphics/color.h"
#include "graphics/font.h"
#include "graphics/geometry.h"
#include "toolkit/accessible_types.h"

namespace toolkit {

class GraphicControl;

// The host's side as its controls see it. ControlHost (toolkit/control_host.h) is the one
// implementation; a control never needs the routing behind it.
class ControlParent {
 public:
  // The host's children in its order: the order they were given this host as parent.
  virtual const std::vector<GraphicControl*>& controls() const = 0;
  // Whether the controls that follow their parent show their hints.
  virtual bool showHint() const = 0;
  virtual graphics::Color backgroundColor() const = 0;
  // At 96 dpi; each control scales it to density().
  virtual graphics::Font font() const = 0;
  // The pixel density of the screen the host shows on, in pixels per inch.
  virtual int density() const = 0;
  // The host's window exists and is shown on screen, with its ancestors.
  virtual bool showing() const = 0;
  // The top-level window that holds the host takes input: false while a modal dialog has
  // disabled it, and while there is no such window.
  virtual bool topLevelEnabled() const = 0;
  virtual void invalidateRect(const graphics::Rect& r) = 0;
  virtual void paintControlNow(GraphicControl& control) = 0;
  virtual graphics::Point clientToScreen(graphics::Point at) const = 0;
  virtual int colorDepth() const = 0;
  // Tells the window's assistive technology clients what changed: a control's name, state,
  // place or visibility, or (kReorder) the numbering of the host's controls, as one left it.
  virtual void accessibleChanged(GraphicControl& control, AccessibleChange change) = 0;
  // Runs `work` on the control later, from the host's event loop, after the event being
  // handled now; dropped when the control leaves the host first.
  virtual void post(GraphicControl& control, std::function<void(GraphicControl&)> work) = 0;

 protected:
  virtual ~ControlParent() = default;

 private:
  friend class GraphicControl;
  // Puts the control last in the host's order; takes it out of the order and out of every
  // piece of input or posted work that refers to it.
  virtual void attach(GraphicControl& control) = 0;
  virtual void detach(GraphicControl& control) = 0;
};

}  // namespace toolkit
