#pragma once
#include <string>

#include "graphics/geometry.h"
#include "toolkit/accessible_types.h"

namespace toolkit {

class ControlHost;
class GraphicControl;

// The accessibility tree of a host: what each property of a windowless control says, decided
// here once; a backend only translates it into its system's terms.

// The caption as it reads: without its accelerator prefix, "&&" as one "&".
std::string accessibleName(const GraphicControl& control);
// The accessible_state bits that hold now; unavailable also while the top-level window is
// disabled.
unsigned accessibleState(const GraphicControl& control);
// Where the control is on the screen. Throws the no-parent error without a parent.
graphics::Rect accessibleLocation(const GraphicControl& control);
// "Alt+C" for a caption with the accelerator "C"; empty without one.
std::string accessibleShortcut(const GraphicControl& control);
// The hint.
std::string accessibleDescription(const GraphicControl& control);
// "Press" for a push button; empty for a control without a default action.
std::string accessibleDefaultAction(const GraphicControl& control);

// The 1-based child number of a control in its host; 0 when the host does not hold it.
int accessibleChildId(const ControlHost& host, const GraphicControl& control);
// The object that a change tells of: 0, the host itself, for kReorder; otherwise the control's
// child number, or none (-1) when the host does not hold the control.
int accessibleObjectOf(const ControlHost& host, const GraphicControl& control, AccessibleChange change);
// The control with a child number; none when there is no such child.
GraphicControl* accessibleChild(const ControlHost& host, int childId);
// The visible control at a point of the screen, enabled or not; none when the point is over
// the host itself.
GraphicControl* accessibleChildAt(const ControlHost& host, graphics::Point screen);

// Asks for the control's default action. Refused (false) for a control without one, or while
// it is disabled or hidden, or while its top-level window is disabled (a modal dialog is open).
// Otherwise the action is posted to the host's event loop and this returns at once: a client
// must never wait on a dialog that the click opens. The action is performed as the control's
// own press (for a speed button exactly as its accelerator) if the top-level window still takes
// input then, and dropped when the control leaves its host first.
bool doAccessibleDefaultAction(GraphicControl& control);

}  // namespace toolkit
