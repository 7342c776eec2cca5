#include "toolkit/accessibility.h"

#include <algorithm>

#include "platform/ascii_case.h"
#include "toolkit/accelerator.h"
#include "toolkit/control_host.h"
#include "toolkit/graphic_control.h"

namespace toolkit {

std::string accessibleName(const GraphicControl& control) {
  return withoutAcceleratorPrefix(control.caption());
}

namespace {

// A modal dialog disables its program's windows; a control behind it must not be pressed by a
// client either, as its press would run inside the dialog's loop.
bool windowTakesInput(const GraphicControl& control) {
  const ControlParent* const host = control.parent();
  return host && host->topLevelEnabled();
}

}  // namespace

unsigned accessibleState(const GraphicControl& control) {
  unsigned state = control.accessibleStates() & (accessible_state::kPressed | accessible_state::kHot);
  if (!control.enabled() || !windowTakesInput(control)) state |= accessible_state::kUnavailable;
  if (!control.visible()) state |= accessible_state::kInvisible;
  return state;
}

graphics::Rect accessibleLocation(const GraphicControl& control) {
  const graphics::Point origin = control.clientToScreen({0, 0});
  return {origin.x, origin.y, origin.x + control.width(), origin.y + control.height()};
}

std::string accessibleShortcut(const GraphicControl& control) {
  std::string key = acceleratorOf(control.caption());
  if (key.empty()) return key;
  if (key.size() == 1) key[0] = platform::asciiUpper(key[0]);
  return "Alt+" + key;
}

std::string accessibleDescription(const GraphicControl& control) {
  return control.hint();
}

std::string accessibleDefaultAction(const GraphicControl& control) {
  return control.accessibleRole() == AccessibleRole::kPushButton ? "Press" : "";
}

int accessibleChildId(const ControlHost& host, const GraphicControl& control) {
  const auto& controls = host.controls();
  const auto it = std::find(controls.begin(), controls.end(), &control);
  return it == controls.end() ? 0 : static_cast<int>(it - controls.begin()) + 1;
}

int accessibleObjectOf(const ControlHost& host, const GraphicControl& control, AccessibleChange change) {
  if (change == AccessibleChange::kReorder) return 0;
  const int childId = accessibleChildId(host, control);
  return childId > 0 ? childId : -1;
}

GraphicControl* accessibleChild(const ControlHost& host, int childId) {
  const auto& controls = host.controls();
  if (childId < 1 || static_cast<std::size_t>(childId) > controls.size()) return nullptr;
  return controls[static_cast<std::size_t>(childId) - 1];
}

GraphicControl* accessibleChildAt(const ControlHost& host, graphics::Point screen) {
  const graphics::Point origin = host.clientToScreen({0, 0});
  return host.controlAt({screen.x - origin.x, screen.y - origin.y}, true);
}

bool doAccessibleDefaultAction(GraphicControl& control) {
  ControlParent* const host = control.parent();
  if (!host || accessibleDefaultAction(control).empty() || !control.enabled() || !control.visible() ||
      !windowTakesInput(control))
    return false;
  // Asked again when its turn comes: a dialog opened meanwhile runs this from its own loop.
  host->post(control, [](GraphicControl& target) {
    if (windowTakesInput(target)) target.press();
  });
  return true;
}

}  // namespace toolkit
