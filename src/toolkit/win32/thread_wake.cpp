#include <atomic>
#include <system_error>

#include "toolkit/thread_handoff.h"
#include "toolkit/win32/toolkit.h"

// Handed-over calls are announced by a message to a hidden message-only window of the GUI
// thread. A message to the thread itself would be lost in every modal loop (message boxes,
// menus, dragging), which dispatches only window messages; this one is dispatched by them all.
namespace toolkit::handoff {
namespace {

LRESULT handle(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg != win32::kRunHandedOffMessage) return DefWindowProcA(hwnd, msg, wParam, lParam);
  wakeReceived();
  return 0;
}

// Read by workers from any thread, also by one still running while the program's statics go.
std::atomic<HWND> wakeTarget{nullptr};

// The window lives as long as the program.
class WakeWindow {
 public:
  WakeWindow() {
    const char* cls = win32::registerClass("UpTK294Q.HandOff", win32::guardedWindowProc<handle>, 0, nullptr);
    window_.reset(
        CreateWindowExA(0, cls, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, win32::instance(), nullptr));
    if (!window_) throw std::system_error(static_cast<int>(GetLastError()), std::system_category());
    wakeTarget.store(window_.get());
  }
  WakeWindow(const WakeWindow&) = delete;
  WakeWindow& operator=(const WakeWindow&) = delete;
  ~WakeWindow() { wakeTarget.store(nullptr); }

 private:
  win32::UniqueWindow window_;
};

}  // namespace

void prepareWake() {
  static const WakeWindow window;
}

bool wake() {
  const HWND target = wakeTarget.load();
  return target && PostMessageA(target, win32::kRunHandedOffMessage, 0, 0);
}

}  // namespace toolkit::handoff
