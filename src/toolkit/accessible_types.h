// Value types only: the roles, states and changes that assistive technology is told of.
#pragma once

namespace toolkit {

// What assistive technology (screen readers, UI Automation through its MSAA proxy) is told
// about windowless controls. The host's window is the parent object; its graphic controls are
// its children, numbered from 1 in the host's order.
enum class AccessibleRole { kGraphic, kPushButton };

namespace accessible_state {
inline constexpr unsigned kUnavailable = 1u << 0;
inline constexpr unsigned kPressed = 1u << 1;
inline constexpr unsigned kHot = 1u << 2;
inline constexpr unsigned kInvisible = 1u << 3;
}  // namespace accessible_state

// What a client is told changed, so that it can announce it without asking. All but kReorder
// concern one control; kReorder concerns the host itself: its children were numbered anew.
enum class AccessibleChange { kName, kState, kLocation, kShown, kHidden, kReorder };

}  // namespace toolkit
