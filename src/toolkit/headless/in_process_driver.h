#pragma once
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/headless/code_page.h"
#include "toolkit/control_host.h"
#include "toolkit/form.h"
#include "toolkit/headless/shown.h"
#include "toolkit/menu_tracking.h"
#include "toolkit/timer.h"

// The headless toolkit keeps its windows in memory; tests in the same process drive them and
// read what a person would have seen through this interface. (The real program is driven from
// another process, by tools/driver/out_of_process_driver.h.)
namespace toolkit::headless {

// Every modal box shown so far (message dialogs and error reports), in order.
const std::vector<ShownBox>& shownBoxes();
// The text of the last error report, kept even when there was no memory to record its box.
std::string_view lastErrorReport();
// Called while a box is "open", before it returns to its caller. Every form counts as disabled
// meanwhile, as behind the system's task-modal boxes.
void setBoxObserver(std::function<void(const ShownBox&)> observer);

// Every popup menu shown so far, in order.
const std::vector<ShownMenu>& shownMenus();
// Decides, while a menu is open, which entry the user chooses; none (the default) dismisses it.
void setMenuChooser(std::function<std::optional<std::size_t>(const ShownMenu&)> chooser);

// The pixel density of the headless screen, which forms made from now on open at; 96 unless set,
// and for a density below 1.
void setScreenDensity(int dpi);

// Ticks every enabled timer once, in the order they were made.
void tickTimers();
// A key press anywhere in the form.
void pressKey(Form& form, int key, unsigned shift);
// A character typed in the form, with Alt held or not, to whichever control has the focus: a
// log box given the focus takes typed characters itself. True when a control took it as its
// accelerator.
bool typeChar(Form& form, char c, bool withAlt);
// Times a control host was painted outside its paint cycle, and was invalidated.
int immediatePaints(const ControlHost& host);
int invalidations(const ControlHost& host);
// The colour depth the host reports for its display; 32 unless set.
void setColorDepth(ControlHost& host, int bitsPerPixel);
// Runs the host's paint cycle over its whole surface: background, then its controls.
void paintHost(ControlHost& host);
// What the host shows: immediate paints and paint cycles land here.
const graphics::Canvas& hostSurface(const ControlHost& host);

// Times the host asked its event loop to run what was posted to it (ControlHost::post); the
// headless loop runs it only when a test calls runPosted().
int postedRunRequests(const ControlHost& host);

// A change the host told its assistive technology clients of: the control's child number, or 0
// for the host itself (its children were numbered anew).
struct AccessibleEvent {
  int childId;
  AccessibleChange change;
  bool operator==(const AccessibleEvent&) const = default;
};
// The changes told since the last call, in order.
std::vector<AccessibleEvent> takeAccessibleEvents(ControlHost& host);

// Forgets the boxes, the menus, the termination request, the observer and the chooser; back to
// code page 1252.
void resetUi();

}  // namespace toolkit::headless
