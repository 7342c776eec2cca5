// The real updater on screens of other densities: its window, panel, log box and both buttons at
// the sizes the density gives its 96-dpi description, and each button's face read from the
// screen equal to the face composed at that size. The test command runs this at 96 dpi with the
// rest, then in a prefix of its own at 120, 144 and 192 (UPDATER_TEST_DENSITY says which).
#include <gtest/gtest.h>
#include <oleacc.h>
#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "accessible_client.h"
#include "e2e_fixture.h"
#include "gold_button.h"
#include "real_mouse.h"
#include "screen_grab.h"
#include "toolkit/screen_density.h"
#include "toolkit/win32/toolkit.h"
#include "widgets/lb_face_composer.h"

namespace e2e {
namespace {

struct Layout {
  int dpi;
  SIZE client;
  RECT panel;                // on the form
  RECT log, close, upgrade;  // on the panel
};

const Layout kLayouts[] = {
    {96, {441, 179}, {8, 8, 433, 169}, {16, 16, 409, 113}, {300, 120, 408, 151}, {16, 120, 217, 151}},
    {120, {551, 224}, {10, 10, 541, 211}, {20, 20, 511, 141}, {375, 150, 510, 189}, {20, 150, 271, 189}},
    {144, {662, 269}, {12, 12, 650, 254}, {24, 24, 614, 170}, {450, 180, 612, 227}, {24, 180, 326, 227}},
    {192, {882, 358}, {16, 16, 866, 338}, {32, 32, 818, 226}, {600, 240, 816, 302}, {32, 240, 434, 302}},
};

const Layout* layoutAt(int dpi) {
  for (const Layout& l : kLayouts) {
    if (l.dpi == dpi) return &l;
  }
  return nullptr;
}

std::string text(const RECT& r) {
  return "(" + std::to_string(r.left) + ", " + std::to_string(r.top) + ", " + std::to_string(r.right) + ", " +
         std::to_string(r.bottom) + ")";
}

// `child`'s window rectangle in the client coordinates of `parent`.
RECT placeOf(HWND child, HWND parent) {
  RECT r;
  GetWindowRect(child, &r);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

// The buttons as a screen reader finds them, on the panel.
struct Button {
  std::string name;
  bool enabled = false;
  RECT bounds{};
};

std::vector<Button> buttonsOf(const driver::UpdaterWindow& window) {
  std::vector<Button> buttons;
  for (const driver::AccessibleItem& item : driver::accessibleChildren(window.panel)) {
    if (item.ownObject) continue;  // the log box
    RECT r = item.location;
    MapWindowPoints(nullptr, window.panel, reinterpret_cast<POINT*>(&r), 2);
    buttons.push_back({item.name, (item.state & STATE_SYSTEM_UNAVAILABLE) == 0, r});
  }
  return buttons;
}

// Every size of the window as `l` gives it: an empty text when all match.
std::string layoutDifferences(const driver::UpdaterWindow& window, const Layout& l) {
  std::string found;
  const auto expect = [&found](const char* what, const RECT& shown, const RECT& want) {
    if (!EqualRect(&shown, &want))
      found += std::string(what) + " " + text(shown) + ", not " + text(want) + "; ";
  };
  RECT client;
  GetClientRect(window.form, &client);
  expect("client", client, RECT{0, 0, l.client.cx, l.client.cy});
  expect("panel", placeOf(window.panel, window.form), l.panel);
  expect("log box", placeOf(window.log, window.panel), l.log);
  const std::vector<Button> buttons = buttonsOf(window);
  if (buttons.size() != 2) return found + std::to_string(buttons.size()) + " buttons";
  expect("close button", buttons[0].bounds, l.close);
  expect("upgrade button", buttons[1].bounds, l.upgrade);
  return found;
}

// The face composed for this button at its shown size and the density's font.
widgets::TLbButtonFace composedFace(const Button& b, int dpi) {
  widgets::TLbButtonFace f =
      gold_button::face(b.bounds.right - b.bounds.left, b.bounds.bottom - b.bounds.top, b.name);
  f.font = toolkit::scaledToDensity(f.font, dpi);
  f.enabled = b.enabled;
  return f;
}

int differingPixels(const driver::ScreenGrab& shown, const std::vector<graphics::Color>& want) {
  if (shown.pixels.size() != want.size()) return -1;
  int count = 0;
  for (std::size_t i = 0; i < want.size(); ++i) count += shown.pixels[i] != want[i];
  return count;
}

// How far apart the log box's lines are: the height of the font it really shows, as the edit
// control measures it. Read with messages that carry no pointers, so from another process.
int lineSpacing(HWND log) {
  const LRESULT second = SendMessageA(log, EM_LINEINDEX, 1, 0);
  if (second <= 0) return 0;
  const auto top = [log](LRESULT index) {
    return static_cast<int>(HIWORD(SendMessageA(log, EM_POSFROMCHAR, static_cast<WPARAM>(index), 0)));
  };
  return top(second) - top(0);
}

// The same measure of the form's font at `dpi`, made in this process.
int fontHeightAt(int dpi) {
  const graphics::win32::UniqueFont font =
      graphics::win32::createFont(toolkit::scaledToDensity(graphics::Font{}, dpi));
  const HDC dc = GetDC(nullptr);
  const HGDIOBJ old = SelectObject(dc, font.get());
  TEXTMETRICA metrics{};
  GetTextMetricsA(dc, &metrics);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  return metrics.tmHeight;
}

int requestedDensity() {
  const char* given = std::getenv("UPDATER_TEST_DENSITY");
  return given && *given ? std::atoi(given) : toolkit::kDesignDensity;
}

using Density = UpdaterTest;

TEST_F(Density, TheWindowOpensAtTheScreensDensityWithFacesComposedAtTheirSize) {
  const int dpi = requestedDensity();
  const Layout* l = layoutAt(dpi);
  ASSERT_TRUE(l) << dpi << " dpi is not one this test knows";
  {
    const HDC screen = GetDC(nullptr);
    ASSERT_EQ(GetDeviceCaps(screen, LOGPIXELSY), dpi)
        << "the prefix's screen is not at the density asked for";
    ReleaseDC(nullptr, screen);
  }
  const driver::RealMouse mouse;  // parked in a corner, away from the buttons
  storeRecord(prepareInstallFolder(true), "1.95");
  const auto window = startUpdater(2);
  EXPECT_EQ(layoutDifferences(window, *l), "");
  EXPECT_EQ(lineSpacing(window.log), fontHeightAt(dpi)) << "the log box's font at " << dpi << " dpi";
  screenshot(window.form, std::to_string(dpi) + "dpi");

  for (const Button& b : buttonsOf(window)) {
    const driver::ScreenGrab shown = driver::grabScreen(driver::panelRectOnScreen(window, b.bounds));
    EXPECT_EQ(differingPixels(shown, gold_button::shownOnPanel(composedFace(b, dpi))), 0)
        << b.name << " at " << dpi << " dpi";
  }
  driver::pressKey(window, VK_ESCAPE, 0);
  EXPECT_EQ(exitCode(), DWORD{0});
}

}  // namespace
}  // namespace e2e
