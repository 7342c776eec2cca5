#include "platform/headless/ui_state.h"

#include <algorithm>
#include <new>

#include "platform/application.h"
#include "platform/message_dialog.h"
#include "platform/thread_handoff.h"

namespace platform {
namespace headless {

UiState& uiState() {
  static UiState state;
  return state;
}

void showBox(ShownBox box) {
  uiState().boxes.push_back(box);
  if (uiState().boxObserver) uiState().boxObserver(box);
}

const std::vector<ShownBox>& shownBoxes() {
  return uiState().boxes;
}

std::string_view lastErrorReport() {
  return uiState().lastReport.data();
}

void setBoxObserver(std::function<void(const ShownBox&)> observer) {
  uiState().boxObserver = std::move(observer);
}

void tickTimers() {
  const auto timers = uiState().timers;  // a tick may make or destroy timers
  for (Timer* t : timers) {
    if (std::find(uiState().timers.begin(), uiState().timers.end(), t) != uiState().timers.end()) t->tick();
  }
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
  setAnsiCodePage(1252);
}

}  // namespace headless

namespace application {

void restrictDllSearch() {}
void setTitle(std::string_view title) {
  headless::uiState().title = title;
}
std::string title() {
  return headless::uiState().title;
}

int run() {
  // Only workers hand anything in on the host; input is driven by the tests.
  serveHandedOffCalls([] { return terminationRequested(); });
  return 0;
}

void terminate() {
  headless::uiState().terminationRequested = true;
}
bool terminationRequested() {
  return headless::uiState().terminationRequested;
}
void processMessages() {
  runHandedOffCalls();
}

void reportError(const char* text) noexcept {
  auto& last = headless::uiState().lastReport;
  std::size_t length = 0;
  while (text[length] != '\0' && length + 1 < last.size()) {
    last[length] = text[length];
    ++length;
  }
  last[length] = '\0';
  // Without memory for the record of the box, a real system would fail to show it, too.
  try {
    headless::showBox({title(), text, headless::BoxIcon::kStop});
  } catch (const std::bad_alloc&) {
  }
}

}  // namespace application

void showMessageDialog(std::string_view text, DialogKind kind) {
  const bool error = kind == DialogKind::kError;
  headless::showBox({error ? "Error" : "Information", std::string(text),
                     error ? headless::BoxIcon::kError : headless::BoxIcon::kInformation});
}

}  // namespace platform
