#pragma once
#include <deque>
#include <functional>
#include <utility>
#include <vector>

#include "graphics/canvas.h"
#include "graphics/color.h"
#include "graphics/font.h"
#include "graphics/geometry.h"
#include "toolkit/accessible_types.h"
#include "toolkit/control_parent.h"
#include "toolkit/input.h"

namespace toolkit {

class GraphicControl;

// A window that hosts graphic controls. The rules of routing mouse input (capture, the click
// rule, enter and leave, moves), accelerator characters and painting live here once; a backend
// feeds it its window's events and supplies the few services below. Every notification reaches
// a control under the same guard: an exception from it goes to the application's error report
// and the event loop goes on.
class ControlHost : public ControlParent {
 public:
  ControlHost() = default;
  ControlHost(const ControlHost&) = delete;
  ControlHost& operator=(const ControlHost&) = delete;
  // Controls still here lose their parent; they stay alive, as their owner decides.
  virtual ~ControlHost();

  const std::vector<GraphicControl*>& controls() const final { return controls_; }
  // The control that would take mouse input at `at`: the last added visible one there.
  GraphicControl* controlAt(graphics::Point at, bool allowDisabled) const;

  // Events from the backend, in the host's client coordinates.
  void handleMouseDown(MouseButton button, unsigned shift, graphics::Point at, bool doubleClick);
  void handleMouseUp(MouseButton button, unsigned shift, graphics::Point at);
  void handleMouseMove(graphics::Point at, unsigned shift = 0);
  void handlePointerLeft();
  void handleCaptureLost();
  bool handleDialogChar(char c);
  // Paints every visible control that meets `clip` onto a canvas of the host's client area,
  // over the background that the host has already painted there.
  void paintControls(graphics::Canvas& canvas, const graphics::Rect& clip);
  Cursor cursorAt(graphics::Point at) const;
  // The host's density changed: each control shows its 96-dpi bounds at the new one.
  void controlsFollowDensity();

  // Off by default.
  bool showHint() const final { return showHint_; }
  void setShowHint(bool on) { showHint_ = on; }
  // The control whose hint shows while the pointer rests at `at`: the visible one there, enabled
  // or not, when it shows hints and has one.
  const GraphicControl* hintControlAt(graphics::Point at) const;

  void post(GraphicControl& control, std::function<void(GraphicControl&)> work) final;
  // Runs, under the guard, everything posted so far; the backend calls it from its event loop
  // when asked by requestPostedRun(). Work posted meanwhile runs in the same call.
  void runPosted();

  // Services of the backend, besides the rest of ControlParent's.
  virtual void setMouseCapture(bool on) = 0;
  // Asks the event loop to call runPosted() soon; returns at once.
  virtual void requestPostedRun() = 0;

 protected:
  // Lets one control draw itself onto `target`, a canvas of the host's client area.
  static void paintControl(graphics::Canvas& target, GraphicControl& control);

 private:
  void attach(GraphicControl& control) final;
  void detach(GraphicControl& control) final;
  bool holds(const GraphicControl* control) const;
  void moveOver(graphics::Point at);

  std::vector<GraphicControl*> controls_;  // not owned
  std::deque<std::pair<GraphicControl*, std::function<void(GraphicControl&)>>> posted_;
  GraphicControl* captured_ = nullptr;  // not owned: one of controls_
  GraphicControl* hot_ = nullptr;       // not owned: one of controls_
  bool showHint_ = false;
};

}  // namespace toolkit
