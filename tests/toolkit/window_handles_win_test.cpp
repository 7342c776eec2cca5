// The toolkit's windows give their handles back in the right order and only once, whether the
// program destroys them or the user closes the form.
#include <gtest/gtest.h>

#include <memory>

#include "toolkit/form.h"
#include "toolkit/log_box.h"
#include "toolkit/panel.h"
#include "toolkit/win32/toolkit.h"

namespace toolkit {
namespace {

// The first form made ends the event loop when it is closed; the forms closed here must not.
void keepAMainFormAlive() {
  static const Form mainForm{FormOptions{}};
}

FormOptions withIcon() {
  FormOptions o;
  o.clientWidth = 200;
  o.clientHeight = 100;
  o.iconResource = "TESTICON";
  return o;
}

// What the window still held while it was being destroyed.
struct SeenWhileDestroyed {
  WNDPROC formProc = nullptr;
  bool destroyed = false;
  bool bigIconAlive = false;
  bool smallIconAlive = false;
};
SeenWhileDestroyed seen;

bool iconAlive(HWND hwnd, WPARAM which) {
  const auto icon = reinterpret_cast<HICON>(SendMessageA(hwnd, WM_GETICON, which, 0));
  ICONINFO info{};
  if (!icon || !GetIconInfo(icon, &info)) return false;
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  return true;
}

LRESULT CALLBACK watchDestroy(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_DESTROY) {
    seen.destroyed = true;
    seen.bigIconAlive = iconAlive(hwnd, ICON_BIG);
    seen.smallIconAlive = iconAlive(hwnd, ICON_SMALL);
  }
  return CallWindowProcA(seen.formProc, hwnd, msg, wParam, lParam);
}

TEST(WindowHandles, TheFormsIconsOutliveItsWindow) {
  keepAMainFormAlive();
  auto form = std::make_unique<Form>(withIcon());
  const HWND hwnd = win32::windowOf(*form);
  ASSERT_TRUE(iconAlive(hwnd, ICON_BIG));
  seen = {};
  seen.formProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&watchDestroy)));
  form.reset();
  EXPECT_TRUE(seen.destroyed);
  EXPECT_TRUE(seen.bigIconAlive) << "the caption's icon was destroyed while the window still held it";
  EXPECT_TRUE(seen.smallIconAlive);
}

TEST(WindowHandles, WindowsTheCloseBoxDestroyedAreNotDestroyedAgain) {
  keepAMainFormAlive();
  auto form = std::make_unique<Form>(withIcon());
  auto panel = std::make_unique<Panel>(*form, graphics::Rect{8, 8, 192, 92}, 0x005BCECB);
  auto box = std::make_unique<LogBox>(nullptr);
  box->setBounds({4, 4, 180, 80});
  box->setParent(panel.get());
  box->appendLine("before");
  const HWND panelWindow = win32::windowOf(*panel);
  const HWND boxWindow = FindWindowExA(panelWindow, nullptr, "EDIT", nullptr);
  ASSERT_TRUE(boxWindow);

  SendMessageA(win32::windowOf(*form), WM_CLOSE, 0, 0);
  ASSERT_FALSE(IsWindow(panelWindow));
  ASSERT_FALSE(IsWindow(boxWindow));
  EXPECT_EQ(win32::windowOf(*panel), nullptr);

  // Every later call must leave the dead handles alone: none of them may fail (a call on a dead
  // handle does), and a null handle would reach the whole screen.
  SetLastError(0);
  box->appendLine("after");
  EXPECT_EQ(box->text(), "");
  panel->invalidateRect({0, 0, 10, 10});
  box.reset();
  panel.reset();
  form.reset();
  EXPECT_EQ(GetLastError(), 0u) << "a call went to a window that was already gone";
}

}  // namespace
}  // namespace toolkit
