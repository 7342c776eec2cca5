// What the panel and the form give the log box's window placed on them: the panel asks the box
// for its own colours when the edit control paints, and the form hands the focus it is given on
// to the box, whichever form it sits in now.
#include <gtest/gtest.h>

#include <memory>

#include "toolkit/form.h"
#include "toolkit/log_box.h"
#include "toolkit/panel.h"
#include "toolkit/win32/toolkit.h"

namespace toolkit {
namespace {

// The first form made ends the event loop when it is closed; none made here may.
void keepAMainFormAlive() {
  static const Form mainForm{FormOptions{}};
}

std::unique_ptr<Form> shownForm() {
  FormOptions o;
  o.clientWidth = 200;
  o.clientHeight = 100;
  auto form = std::make_unique<Form>(o);
  form->show();
  return form;
}

HWND editOf(const Panel& panel) {
  return FindWindowExA(win32::windowOf(panel), nullptr, "EDIT", nullptr);
}

// The background the panel's answer to the edit control's colour request paints with.
COLORREF askedBackground(const Panel& panel, UINT request) {
  const HWND edit = editOf(panel);
  const win32::WindowDc dc(edit);
  SetBkColor(dc.get(), RGB(1, 2, 3));
  const auto brush = reinterpret_cast<HBRUSH>(SendMessageA(
      win32::windowOf(panel), request, reinterpret_cast<WPARAM>(dc.get()), reinterpret_cast<LPARAM>(edit)));
  LOGBRUSH info{};
  if (!brush || GetObjectA(brush, sizeof info, &info) != sizeof info) return CLR_INVALID;
  EXPECT_EQ(GetBkColor(dc.get()), info.lbColor) << "the text's background differs from the box's";
  return info.lbColor;
}

TEST(LogBoxWindow, ThePanelPaintsTheBoxInTheBoxsOwnColour) {
  keepAMainFormAlive();
  const auto form = shownForm();
  Panel first(*form, {0, 0, 100, 100}, 0x005BCECB);
  Panel second(*form, {100, 0, 200, 100}, 0x005BCECB);
  LogBox box(first, {4, 4, 90, 90}, 0x00AFE7E6);
  // A read-only edit control asks as a static one does; either request gets the box's colour.
  EXPECT_EQ(askedBackground(first, WM_CTLCOLORSTATIC), COLORREF{0x00AFE7E6});
  EXPECT_EQ(askedBackground(first, WM_CTLCOLOREDIT), COLORREF{0x00AFE7E6});
  box.setColor(0x00112233);
  EXPECT_EQ(askedBackground(first, WM_CTLCOLORSTATIC), COLORREF{0x00112233});
  box.setParent(&second);
  EXPECT_EQ(askedBackground(second, WM_CTLCOLORSTATIC), COLORREF{0x00112233}) << "moved to another panel";
  box.setColor(graphics::kWindowColor);
  EXPECT_EQ(askedBackground(second, WM_CTLCOLORSTATIC), GetSysColor(COLOR_WINDOW));
}

TEST(LogBoxWindow, TheFormHandsItsFocusToTheBoxInItNow) {
  keepAMainFormAlive();
  const auto one = shownForm();
  const auto other = shownForm();
  Panel onOne(*one, {0, 0, 200, 100}, 0x005BCECB);
  Panel onOther(*other, {0, 0, 200, 100}, 0x005BCECB);
  auto box = std::make_unique<LogBox>(onOne, graphics::Rect{4, 4, 190, 90}, 0x00AFE7E6);
  const HWND edit = editOf(onOne);
  ASSERT_TRUE(edit);

  SetFocus(win32::windowOf(*one));
  EXPECT_EQ(GetFocus(), edit);
  box->setParent(&onOther);
  SetFocus(win32::windowOf(*one));
  EXPECT_EQ(GetFocus(), win32::windowOf(*one)) << "the box has left this form";
  SetFocus(win32::windowOf(*other));
  EXPECT_EQ(GetFocus(), edit);
  box.reset();
  SetFocus(win32::windowOf(*other));
  EXPECT_EQ(GetFocus(), win32::windowOf(*other)) << "the box is gone";
}

}  // namespace
}  // namespace toolkit
