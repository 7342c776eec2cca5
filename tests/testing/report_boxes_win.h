// Reads and closes the message boxes that the thread making this shows, so that a test can run
// code whose failures reach the error report's real, modal box.
#pragma once
#include <windows.h>

#include <atomic>
#include <chrono>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace test_support {

class ReportBoxes {
 public:
  ReportBoxes() : gui_(GetCurrentThreadId()), watcher_([this] { watch(); }) {}
  ReportBoxes(const ReportBoxes&) = delete;
  ReportBoxes& operator=(const ReportBoxes&) = delete;
  ~ReportBoxes() {
    stop_ = true;
    watcher_.join();
  }

  // The texts of the boxes closed so far, in order; taking them starts a new list.
  std::vector<std::string> take() {
    const std::lock_guard lock(mutex_);
    return std::exchange(texts_, {});
  }

 private:
  static std::string textOf(HWND window) {
    char text[512] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
  }

  // The box's text is its static control that shows no icon.
  static std::string boxText(HWND box) {
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
      char cls[16] = {};
      GetClassNameA(child, cls, sizeof cls);
      if (lstrcmpiA(cls, "Static") == 0 && !(GetWindowLongA(child, GWL_STYLE) & SS_ICON))
        return textOf(child);
    }
    return {};
  }

  HWND openBox() const {
    HWND found = nullptr;
    EnumThreadWindows(
        gui_,
        [](HWND window, LPARAM result) -> BOOL {
          char cls[16] = {};
          if (!IsWindowVisible(window) || !GetClassNameA(window, cls, sizeof cls) ||
              lstrcmpA(cls, "#32770") != 0)
            return TRUE;
          *reinterpret_cast<HWND*>(result) = window;
          return FALSE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
  }

  void watch() {
    while (!stop_) {
      if (const HWND box = openBox()) {
        const std::string text = boxText(box);
        {
          const std::lock_guard lock(mutex_);
          texts_.push_back(text);
        }
        PostMessageA(box, WM_COMMAND, IDOK, 0);
        while (!stop_ && IsWindow(box)) std::this_thread::sleep_for(std::chrono::milliseconds(1));
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
  }

  const DWORD gui_;
  std::atomic<bool> stop_{false};
  std::mutex mutex_;
  std::vector<std::string> texts_;
  std::thread watcher_;  // last: it uses everything above
};

}  // namespace test_support
