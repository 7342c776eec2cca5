// A form moved between monitors of different densities, as the system tells it: each time it
// shows its 96-dpi sizes at the new density, at the place the system suggests.
#include <gtest/gtest.h>

#include "testing/plain_control.h"
#include "toolkit/form.h"
#include "toolkit/log_box.h"
#include "toolkit/panel.h"
#include "toolkit/win32/toolkit.h"

namespace toolkit {
namespace {

struct Sizes {
  int dpi;
  SIZE client;
  RECT panel, box;  // window rectangles in their parent
  graphics::Rect control;
  int fontHeight;
};

RECT placeIn(HWND child, HWND parent) {
  RECT r;
  GetWindowRect(child, &r);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

int fontHeightOf(HWND window) {
  LOGFONTA f{};
  const auto font = reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0));
  return font && GetObjectA(font, sizeof f, &f) ? f.lfHeight : 0;
}

TEST(FormDensity, FollowsEachMoveFromThe96DpiValuesToWhereTheSystemSuggests) {
  FormOptions o;
  o.clientWidth = 441;
  o.clientHeight = 179;
  Form form(o);
  ASSERT_EQ(form.density(), 96) << "the test screen is at 96 dpi";
  form.show();
  Panel panel(form, {8, 8, 433, 169}, 0x005BCECB);
  LogBox box(panel, {16, 16, 409, 113}, 0x00AFE7E6);
  testing::PlainControl control(nullptr);
  control.setBounds({300, 120, 408, 151});
  control.setParent(&panel);
  const HWND window = win32::windowOf(form);
  const HWND panelWindow = win32::windowOf(panel);
  const HWND edit = FindWindowExA(panelWindow, nullptr, "EDIT", nullptr);
  ASSERT_TRUE(edit);

  const Sizes at96{96, {441, 179}, {8, 8, 433, 169}, {16, 16, 409, 113}, {300, 120, 408, 151}, -11};
  const Sizes at144{144, {662, 269}, {12, 12, 650, 254}, {24, 24, 614, 170}, {450, 180, 612, 227}, -17};
  for (int i = 0; i < 10; ++i) {
    for (const Sizes* s : {&at144, &at96}) {
      RECT suggested{40 + i, 30 + i, 740 + i, 330 + i};
      SendMessageA(window, WM_DPICHANGED, MAKEWPARAM(s->dpi, s->dpi), reinterpret_cast<LPARAM>(&suggested));
      SCOPED_TRACE("move " + std::to_string(i) + " to " + std::to_string(s->dpi) + " dpi");
      RECT r;
      GetWindowRect(window, &r);
      EXPECT_EQ(r.left, suggested.left);
      EXPECT_EQ(r.top, suggested.top);
      GetClientRect(window, &r);
      EXPECT_EQ(r.right, s->client.cx);
      EXPECT_EQ(r.bottom, s->client.cy);
      r = placeIn(panelWindow, window);
      EXPECT_TRUE(EqualRect(&r, &s->panel)) << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom;
      r = placeIn(edit, panelWindow);
      EXPECT_TRUE(EqualRect(&r, &s->box)) << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom;
      EXPECT_EQ(control.bounds(), s->control);
      EXPECT_EQ(fontHeightOf(edit), s->fontHeight);
      if (::testing::Test::HasFailure()) return;
    }
  }
}

}  // namespace
}  // namespace toolkit
