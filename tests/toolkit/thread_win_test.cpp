#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>
#include <string>

#include "testing/thread_steps.h"
#include "toolkit/application.h"
#include "toolkit/thread.h"

namespace toolkit {
namespace {

using namespace std::chrono_literals;
using thread_steps::noSleep;

// The message box that `thread` shows, if one is open.
HWND openBox(DWORD thread) {
  HWND found = nullptr;
  EnumThreadWindows(
      thread,
      [](HWND window, LPARAM result) -> BOOL {
        char cls[16] = {};
        if (!GetClassNameA(window, cls, sizeof cls) || lstrcmpA(cls, "#32770") != 0) return TRUE;
        *reinterpret_cast<HWND*>(result) = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

bool waitFor(const std::function<bool()>& ready, std::chrono::seconds limit) {
  const auto giveUp = std::chrono::steady_clock::now() + limit;
  while (!ready()) {
    if (std::chrono::steady_clock::now() > giveUp) return false;
    std::this_thread::sleep_for(5ms);
  }
  return true;
}

// One worker's call fails, and the error report holds the GUI thread in the message box's own
// modal loop; the calls that another worker hands over meanwhile run inside that loop. A
// helper thread closes the box once they have, or after a long while if they never do.
TEST(ThreadOnWindows, CallsHandedOverWhileAMessageBoxIsOpenRunInsideItsModalLoop) {
  application::setTitle("Thread test");
  const DWORD gui = GetCurrentThreadId();
  constexpr int kCalls = 5;
  std::atomic<int> ran{0};
  int ranInsideBox = 0;
  Thread failing([](ThreadContext& w) { w.synchronize([] { throw std::runtime_error("Tick failed"); }); },
                 noSleep());
  Thread ticking(
      [&](ThreadContext& w) {
        if (!waitFor([&] { return openBox(gui) != nullptr; }, 20s)) return;
        for (int i = 0; i < kCalls; ++i) {
          w.synchronize([&] {
            if (openBox(gui)) ++ranInsideBox;
            ++ran;
          });
        }
      },
      noSleep());
  char title[64] = {};
  std::thread closer([&] {
    HWND box = nullptr;
    waitFor([&] { return (box = openBox(gui)) != nullptr; }, 20s);
    waitFor([&] { return ran == kCalls; }, 20s);
    if (!box) return;
    GetWindowTextA(box, title, sizeof title);  // the error report's
    PostMessageA(box, WM_COMMAND, IDOK, 0);
  });
  failing.resume();
  ticking.resume();
  failing.waitFor();  // runs the failing call, and the box with it
  ticking.waitFor();
  closer.join();
  EXPECT_EQ(ranInsideBox, kCalls);
  EXPECT_STREQ(title, "Thread test");
}

}  // namespace
}  // namespace toolkit
