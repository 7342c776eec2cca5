#pragma once
#include <deque>
#include <functional>
#include <utility>
#include <vector>

#include "platform/accessibility.h"

#include "platform/canvas.h"
#include "platform/color.h"
#include "platform/font.h"
#include "platform/geometry.h"
#include "platform/input.h"

namespace platform {

class GraphicControl;

// A window that hosts graphic controls. The rules of routing mouse input (capture, the click
// rule, enter and leave, moves), accelerator characters and painting live here once; a backend
// feeds it its window's events and supplies the few services below. Every notification reaches
// a control under the same guard: an exception from it goes to the application's error report
// and the event loop goes on.
class ControlHost {
 public:
  ControlHost() = default;
  ControlHost(const ControlHost&) = delete;
  ControlHost& operator=(const ControlHost&) = delete;
  // Controls still here lose their parent; they stay alive, as their owner decides.
  virtual ~ControlHost();

  // The host's children in its order: the order they were given this host as parent.
  const std::vector<GraphicControl*>& controls() const { return controls_; }
  // The control that would take mouse input at `at`: the last added visible one there.
  GraphicControl* controlAt(Point at, bool allowDisabled) const;
  GraphicControl* hotControl() const { return hot_; }

  // Events from the backend, in the host's client coordinates.
  void handleMouseDown(MouseButton button, unsigned shift, Point at, bool doubleClick);
  void handleMouseUp(MouseButton button, unsigned shift, Point at);
  void handleMouseMove(Point at, unsigned shift = 0);
  void handlePointerLeft();
  void handleCaptureLost();
  bool handleDialogChar(char c);
  // Paints every visible control that meets `clip` onto a canvas of the host's client area,
  // over the background that the host has already painted there.
  void paintControls(Canvas& canvas, const Rect& clip);
  Cursor cursorAt(Point at) const;

  // Whether the controls that follow their parent show their hints; off by default.
  bool showHint() const { return showHint_; }
  void setShowHint(bool on) { showHint_ = on; }
  // The control whose hint shows while the pointer rests at `at`: the visible one there, enabled
  // or not, when it shows hints and has one.
  const GraphicControl* hintControlAt(Point at) const;

  // Runs `work` on the control later, from the host's event loop, after the event being
  // handled now; dropped when the control leaves the host first.
  void post(GraphicControl& control, std::function<void(GraphicControl&)> work);
  // Runs, under the guard, everything posted so far; the backend calls it from its event loop
  // when asked by requestPostedRun(). Work posted meanwhile runs in the same call.
  void runPosted();

  // Services of the backend.
  virtual Color backgroundColor() const = 0;
  virtual Font font() const = 0;
  // The host's window exists and is shown on screen, with its ancestors.
  virtual bool showing() const = 0;
  virtual void invalidateRect(const Rect& r) = 0;
  virtual void paintControlNow(GraphicControl& control) = 0;
  virtual void setMouseCapture(bool on) = 0;
  virtual Point clientToScreen(Point at) const = 0;
  virtual int colorDepth() const = 0;
  // Asks the event loop to call runPosted() soon; returns at once.
  virtual void requestPostedRun() = 0;
  // Tells the window's assistive technology clients that a control's name or state changed.
  virtual void accessibleChanged(GraphicControl& control, AccessibleChange change) = 0;

 protected:
  // Lets one control draw itself onto `target`, a canvas of the host's client area.
  static void paintControl(Canvas& target, GraphicControl& control);

 private:
  friend class GraphicControl;
  void attach(GraphicControl& control);
  void detach(GraphicControl& control);
  bool holds(const GraphicControl* control) const;
  void moveOver(Point at);

  std::vector<GraphicControl*> controls_;  // not owned
  std::deque<std::pair<GraphicControl*, std::function<void(GraphicControl&)>>> posted_;
  GraphicControl* captured_ = nullptr;
  GraphicControl* hot_ = nullptr;
  bool showHint_ = false;
};

}  // namespace platform
