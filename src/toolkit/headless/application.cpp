#include "toolkit/application.h"

#include <new>

#include "toolkit/headless/in_process_driver.h"
#include "toolkit/headless/ui_state.h"
#include "toolkit/thread_handoff.h"

namespace toolkit {

std::string_view headless::lastErrorReport() {
  return uiState().lastReport.data();
}

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
}  // namespace toolkit
