// The window's background colour is a colour key: the margin around the panel shows what lies
// behind the window, here a plain window of a colour of its own.
#include <windows.h>

#include <gtest/gtest.h>

#include "e2e_fixture.h"

namespace e2e {
namespace {

constexpr COLORREF kBehind = 0x00F08020;
constexpr COLORREF kKey = 0x001B5655;

// A plain window of one colour over the whole screen, made by this process and kept painted
// while it lives. It is not topmost, so the updater's window lies above it.
class Backdrop {
 public:
  explicit Backdrop(COLORREF color) : brush_(CreateSolidBrush(color)) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hbrBackground = brush_;
    wc.lpszClassName = "UpTK294QTestBackdrop";
    RegisterClassA(&wc);
    window_ = CreateWindowExA(WS_EX_NOACTIVATE, wc.lpszClassName, "", WS_POPUP | WS_VISIBLE, 0, 0,
                              GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), nullptr, nullptr,
                              wc.hInstance, nullptr);
    UpdateWindow(window_);
  }
  Backdrop(const Backdrop&) = delete;
  Backdrop& operator=(const Backdrop&) = delete;
  ~Backdrop() {
    DestroyWindow(window_);
    UnregisterClassA("UpTK294QTestBackdrop", GetModuleHandleA(nullptr));
    DeleteObject(brush_);
  }
  // Repaints what the windows above uncovered.
  void keepPainted(DWORD forMs) const {
    const ULONGLONG end = GetTickCount64() + forMs;
    while (GetTickCount64() < end) {
      MSG m;
      while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&m);
      Sleep(10);
    }
  }

 private:
  HBRUSH brush_;
  HWND window_ = nullptr;
};

TEST_F(UpdaterTest, TheBackgroundIsAColourKeyAndItsMarginShowsWhatLiesBehind) {
  const Backdrop behind(kBehind);
  const auto window = startUpdater(1);
  COLORREF key = 0;
  BYTE alpha = 0;
  DWORD flags = 0;
  ASSERT_TRUE(GetLayeredWindowAttributes(window.form, &key, &alpha, &flags));
  EXPECT_TRUE(flags & LWA_COLORKEY);
  EXPECT_FALSE(flags & LWA_ALPHA) << "only the key is see-through, the rest is opaque";
  EXPECT_EQ(key, kKey);

  behind.keepPainted(500);
  screenshot(window.form, "margin");
  // The margins: 8 pixels left, top and right of the panel, 10 below it.
  for (const POINT p : {POINT{3, 90}, POINT{220, 3}, POINT{437, 90}, POINT{220, 174}, POINT{0, 0}}) {
    EXPECT_EQ(driver::screenPixel(window.form, p.x, p.y), kBehind) << p.x << ", " << p.y;
  }
  EXPECT_EQ(driver::screenPixel(window.panel, 12, 116), COLORREF{0x005BCECB}) << "the panel hides it";
  driver::pressKey(window, VK_ESCAPE, 0);
  EXPECT_EQ(exitCode(), DWORD{0});
}

}  // namespace
}  // namespace e2e
