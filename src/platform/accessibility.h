#pragma once
#include <string>

#include "platform/geometry.h"

namespace platform {

class ControlHost;
class GraphicControl;

// What assistive technology (screen readers, UI Automation through its MSAA proxy) is told
// about windowless controls. The host's window is the parent object; its graphic controls are
// its children, numbered from 1 in the host's order. Everything a property says is decided
// here; a backend only translates it into its system's terms.
enum class AccessibleRole { kGraphic, kPushButton };

namespace accessible_state {
inline constexpr unsigned kUnavailable = 1u << 0;
inline constexpr unsigned kPressed = 1u << 1;
inline constexpr unsigned kHot = 1u << 2;
inline constexpr unsigned kInvisible = 1u << 3;
}  // namespace accessible_state

// What a client is told changed, so that it can announce it without asking.
enum class AccessibleChange { kName, kState };

// The caption as it reads: without its accelerator prefix, "&&" as one "&".
std::string accessibleName(const GraphicControl& control);
// The accessible_state bits that hold now.
unsigned accessibleState(const GraphicControl& control);
// Where the control is on the screen. Throws the no-parent error without a parent.
Rect accessibleLocation(const GraphicControl& control);
// "Alt+C" for a caption with the accelerator "C"; empty without one.
std::string accessibleShortcut(const GraphicControl& control);
// The hint.
std::string accessibleDescription(const GraphicControl& control);
// "Press" for a push button; empty for a control without a default action.
std::string accessibleDefaultAction(const GraphicControl& control);

// The 1-based child number of a control in its host; 0 when the host does not hold it.
int accessibleChildId(const ControlHost& host, const GraphicControl& control);
// The control with a child number; none when there is no such child.
GraphicControl* accessibleChild(const ControlHost& host, int childId);
// The visible control at a point of the screen, enabled or not; none when the point is over
// the host itself.
GraphicControl* accessibleChildAt(const ControlHost& host, Point screen);

// Asks for the control's default action. Refused (false) for a control without one, or while
// it is disabled or hidden. Otherwise the action is posted to the host's event loop and this
// returns at once: a client must never wait on a dialog that the click opens. The action is
// performed as the control's own press (for a speed button exactly as its accelerator), and
// dropped when the control leaves its host first.
bool doAccessibleDefaultAction(GraphicControl& control);

}  // namespace platform
