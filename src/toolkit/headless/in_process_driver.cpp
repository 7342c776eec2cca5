// The events a test stands in for the system with, and the reset between tests. What the driver
// reads back is answered beside the part of the backend that keeps it (boxes, menus, paints).
#include "toolkit/headless/in_process_driver.h"

#include <algorithm>

#include "toolkit/headless/ui_state.h"
#include "toolkit/screen_density.h"

namespace toolkit::headless {

void tickTimers() {
  const auto timers = uiState().timers;  // a tick may make or destroy timers
  for (Timer* t : timers) {
    if (std::find(uiState().timers.begin(), uiState().timers.end(), t) != uiState().timers.end()) t->tick();
  }
}

void setScreenDensity(int dpi) {
  uiState().screenDensity = dpi >= 1 ? dpi : kDesignDensity;
}

void pressKey(Form& form, int key, unsigned shift) {
  form.previewKeyDown(key, shift);
}

bool typeChar(Form& form, char c, bool withAlt) {
  const auto& focus = uiState().textFocus;
  return form.typedChar(c, withAlt, std::find(focus.begin(), focus.end(), &form) != focus.end());
}

void resetUi() {
  auto& s = uiState();
  s.boxes.clear();
  s.lastReport[0] = '\0';
  s.boxObserver = nullptr;
  s.menus.clear();
  s.menuChooser = nullptr;
  s.terminationRequested = false;
  s.screenDensity = kDesignDensity;
  platform::headless::setAnsiCodePage(1252);
}

}  // namespace toolkit::headless
