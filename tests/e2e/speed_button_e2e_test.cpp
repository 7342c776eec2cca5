// The window's two gold speed buttons, worked with the system's own pointer. Each look is read
// back from the screen and compared pixel by pixel with the face composed in this process
// through the same GDI, and with the colours the gold face is known to have.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "../testing/win_handle.h"
#include "e2e_fixture.h"
#include "gold_button.h"
#include "real_mouse.h"
#include "screen_grab.h"
#include "widgets/lb_face_composer.h"

namespace e2e {
namespace {

using gold_button::kCaptionColor;
using gold_button::kPanelColor;
constexpr COLORREF kDisabledCaptionColor = 0x00808080;
constexpr COLORREF kOlive = 0x00008080;
constexpr char kCloseCaption[] = "Inchide";
constexpr char kUpgradeCaption[] = "Actualizare la versiunea 2.63";
// A point of the panel between the two buttons, on neither.
constexpr POINT kBetweenTheButtons{258, 135};

enum class Look { kUp, kHot, kHeld, kHeldDraggedOff, kDisabled };

const char* lookName(Look look) {
  switch (look) {
    case Look::kUp:
      return "up";
    case Look::kHot:
      return "hot";
    case Look::kHeld:
      return "held";
    case Look::kHeldDraggedOff:
      return "held, dragged off";
    case Look::kDisabled:
      return "disabled";
  }
  return "?";
}

// The settings both buttons of the window share, in one look.
widgets::TLbButtonFace goldFace(const RECT& bounds, const std::string& caption, Look look) {
  widgets::TLbButtonFace f =
      gold_button::face(bounds.right - bounds.left, bounds.bottom - bounds.top, caption);
  f.enabled = look != Look::kDisabled;
  f.mouseInside = look == Look::kHot || look == Look::kHeld;
  f.fadeStep = f.mouseInside ? 8 : 0;
  f.down = look == Look::kHeld || look == Look::kHeldDraggedOff;
  return f;
}

std::string hex(COLORREF c) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%08lX", static_cast<unsigned long>(c));
  return text;
}

// Empty when the screen shows exactly the expected pixels.
std::string differences(const driver::ScreenGrab& shown, const std::vector<graphics::Color>& want) {
  if (shown.pixels.size() != want.size()) return "the screen could not be read";
  std::size_t count = 0;
  std::string first;
  for (std::size_t i = 0; i < want.size(); ++i) {
    if (shown.pixels[i] == want[i]) continue;
    if (count++ == 0) {
      const int x = static_cast<int>(i % static_cast<std::size_t>(shown.width));
      const int y = static_cast<int>(i / static_cast<std::size_t>(shown.width));
      first = "(" + std::to_string(x) + ", " + std::to_string(y) + "): screen " + hex(shown.pixels[i]) +
              ", composed " + hex(want[i]);
    }
  }
  return count == 0 ? "" : std::to_string(count) + " pixels differ, the first at " + first;
}

// Empty when every point shows the colour; else how many do not, and the first of them.
std::string offColour(const driver::ScreenGrab& g, const std::vector<POINT>& points, COLORREF colour) {
  std::size_t count = 0;
  std::string first;
  for (const POINT& p : points) {
    if (g.at(p.x, p.y) == colour) continue;
    if (count++ == 0) {
      first = "(" + std::to_string(p.x) + ", " + std::to_string(p.y) + ") is " + hex(g.at(p.x, p.y));
    }
  }
  return count == 0 ? "" : std::to_string(count) + " pixels not " + hex(colour) + ", the first " + first;
}

bool inside(const RECT& r, int x, int y) {
  return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
}

// The smallest rectangle that holds every pixel of the colour; empty when there is none.
RECT inkBounds(const driver::ScreenGrab& g, COLORREF ink) {
  RECT r{g.width, g.height, 0, 0};
  for (int y = 0; y < g.height; ++y) {
    for (int x = 0; x < g.width; ++x) {
      if (g.at(x, y) != ink) continue;
      r = {std::min<LONG>(r.left, x), std::min<LONG>(r.top, y), std::max<LONG>(r.right, x + 1),
           std::max<LONG>(r.bottom, y + 1)};
    }
  }
  return r.right > r.left ? r : RECT{};
}

// The worked example of the 31-pixel-high gold face: gradient rows (checked wherever the caption
// cannot reach), the inner ring, the row pair where the two gradients meet at the face colour,
// and the caption's rectangle and colour.
struct RowColour {
  int row;
  COLORREF colour;
};
struct WorkedExample {
  std::vector<RowColour> rows;
  COLORREF innerRing;
  int press;  // 1 while drawn pressed: the split and the caption move one pixel down
  COLORREF ink;
};

WorkedExample workedExample(Look look) {
  const std::vector<RowColour> upRows{{2, 0x0000F2F2}, {3, 0x0000E6E6}, {4, 0x0000DADA},
                                      {5, 0x0000CECE}, {6, 0x0000C2C2}, {7, 0x0000C2C2},
                                      {8, 0x0000C4C4}, {9, 0x0000C8C8}, {28, 0x0000FAFA}};
  switch (look) {
    case Look::kUp:
      return {upRows, 0x0000C0C0, 0, kCaptionColor};
    case Look::kHot:
      return {{{2, 0x0000F8F8}, {3, 0x0000F2F2}, {4, 0x0000ECEC}, {5, 0x0000E6E6}, {6, 0x0000E0E0}},
              0x0000DFDF,
              0,
              kCaptionColor};
    case Look::kHeld:
    case Look::kHeldDraggedOff:
      return {{}, kOlive, 1, kCaptionColor};
    case Look::kDisabled:  // no press, no hot colour, a grey caption
      return {upRows, 0x0000C0C0, 0, kDisabledCaptionColor};
  }
  return {};
}

void expectWorkedExample(const driver::ScreenGrab& g, Look look) {
  SCOPED_TRACE(lookName(look));
  ASSERT_EQ(g.height, 31);
  const int w = g.width;
  const int h = g.height;
  const WorkedExample example = workedExample(look);
  const int p = example.press;
  const RECT caption{4 + p, 9 + p, w - 4 + p, 22 + p};
  for (const RowColour& row : example.rows) {
    std::vector<POINT> run;
    for (int x = 2; x < w - 2; ++x) {
      if (!inside(caption, x, row.row)) run.push_back({x, row.row});
    }
    EXPECT_EQ(offColour(g, run, row.colour), "") << "row " << row.row;
  }
  // The rings, away from the round corners, and the see-through corners themselves.
  std::vector<POINT> inner;
  std::vector<POINT> outer;
  for (int x = 3; x < w - 3; ++x) {
    inner.insert(inner.end(), {POINT{x, 1}, POINT{x, h - 2}});
    outer.insert(outer.end(), {POINT{x, 0}, POINT{x, h - 1}});
  }
  for (int y = 3; y < h - 3; ++y) {
    inner.insert(inner.end(), {POINT{1, y}, POINT{w - 2, y}});
    outer.insert(outer.end(), {POINT{0, y}, POINT{w - 1, y}});
  }
  EXPECT_EQ(offColour(g, inner, example.innerRing), "") << "inner ring";
  EXPECT_EQ(offColour(g, outer, kOlive), "") << "outer ring";
  EXPECT_EQ(offColour(g, {{0, 0}, {w - 1, 0}, {0, h - 1}, {w - 1, h - 1}}, kPanelColor), "") << "corners";
  // The top gradient darkens towards the face colour and the bottom one lightens away from it,
  // so the darkest rows are the two where they meet: the split, one row lower when pressed.
  std::vector<int> darkest;
  for (int y = 2; y < h - 2; ++y) {
    const int green = GetGValue(g.at(2, y));
    if (!darkest.empty() && green > GetGValue(g.at(2, darkest.front()))) continue;
    if (!darkest.empty() && green < GetGValue(g.at(2, darkest.front()))) darkest.clear();
    darkest.push_back(y);
  }
  EXPECT_EQ(darkest, (std::vector<int>{6 + p, 7 + p})) << "where the gradients meet";
  // The caption: in its rectangle, centred, in its colour.
  const RECT ink = inkBounds(g, example.ink);
  ASSERT_LT(ink.left, ink.right) << "no caption pixel in " << hex(example.ink);
  EXPECT_TRUE(ink.left >= caption.left && ink.right <= caption.right && ink.top >= caption.top &&
              ink.bottom <= caption.bottom)
      << "caption ink (" << ink.left << ", " << ink.top << ", " << ink.right << ", " << ink.bottom << ")";
  EXPECT_LE(std::abs((ink.left - caption.left) - (caption.right - ink.right)), 2) << "centred";
  const COLORREF otherInk = example.ink == kCaptionColor ? kDisabledCaptionColor : kCaptionColor;
  EXPECT_EQ(inkBounds(g, otherInk).right, 0) << "no pixel in " << hex(otherInk);
}

class SpeedButtonOnScreen : public UpdaterTest {
 protected:
  // Waits for the button to show the look, checks every pixel and keeps a screenshot; what the
  // screen showed last.
  driver::ScreenGrab expectLook(const driver::UpdaterWindow& window, const RECT& button,
                                const std::string& caption, Look look, const std::string& shot) {
    const auto want = gold_button::shownOnPanel(goldFace(button, caption, look));
    driver::ScreenGrab shown;
    driver::waitUntil(
        [&] {
          shown = driver::grabScreen(driver::panelRectOnScreen(window, button));
          return std::equal(shown.pixels.begin(), shown.pixels.end(), want.begin(), want.end());
        },
        3000);
    EXPECT_EQ(differences(shown, want), "") << caption << ", " << lookName(look);
    screenshot(window.form, shot);
    return shown;
  }

  void pointAt(const driver::UpdaterWindow& window, const RECT& button) {
    mouse_.moveOverPanel(window, (button.left + button.right) / 2, (button.top + button.bottom) / 2);
  }

  // Moves a message box off the window, so that the buttons beneath can be seen.
  static void moveAside(const driver::ShownBox& box) {
    SetWindowPos(box.hwnd, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }

  driver::RealMouse mouse_;
};

TEST_F(SpeedButtonOnScreen, AtRestTheCloseButtonIsUpAndTheUpgradeButtonDisabledWithoutAnInstallation) {
  const auto window = startUpdater(1);
  expectWorkedExample(expectLook(window, kCloseButton, kCloseCaption, Look::kUp, "close-up"), Look::kUp);
  expectWorkedExample(expectLook(window, kUpgradeButton, "Cautare...", Look::kDisabled, "upgrade-disabled"),
                      Look::kDisabled);

  // Neither the pointer over it nor a press changes a disabled button, nor does it click.
  pointAt(window, kUpgradeButton);
  mouse_.pressLeft();
  expectLook(window, kUpgradeButton, "Cautare...", Look::kDisabled, "upgrade-disabled-pressed");
  mouse_.releaseLeft();
  EXPECT_TRUE(driver::noMessageBoxFor(updater_->id(), 1000));
  EXPECT_FALSE(exitCode(0));
}

TEST_F(SpeedButtonOnScreen, CloseButtonGoesHotUnderThePointerIsDrawnPressedWhileHeldAndClicksOnRelease) {
  const auto window = startUpdater(1);
  const RECT upInk =
      inkBounds(expectLook(window, kCloseButton, kCloseCaption, Look::kUp, "close-up"), kCaptionColor);
  pointAt(window, kCloseButton);
  expectWorkedExample(expectLook(window, kCloseButton, kCloseCaption, Look::kHot, "close-hot"), Look::kHot);

  mouse_.pressLeft();
  const auto held = expectLook(window, kCloseButton, kCloseCaption, Look::kHeld, "close-held");
  expectWorkedExample(held, Look::kHeld);
  const RECT heldInk = inkBounds(held, kCaptionColor);
  EXPECT_EQ(heldInk.left, upInk.left + 1);
  EXPECT_EQ(heldInk.top, upInk.top + 1);
  EXPECT_EQ(heldInk.right, upInk.right + 1);
  EXPECT_EQ(heldInk.bottom, upInk.bottom + 1);
  EXPECT_FALSE(exitCode(0)) << "no click before the release";

  mouse_.releaseLeft();
  EXPECT_EQ(exitCode(), DWORD{0});
}

TEST_F(SpeedButtonOnScreen, PressDraggedOffTheCloseButtonStaysDownAndGivesNoClickWhenReleasedOutside) {
  const auto window = startUpdater(1);
  pointAt(window, kCloseButton);
  mouse_.pressLeft();
  expectLook(window, kCloseButton, kCloseCaption, Look::kHeld, "close-held");
  mouse_.moveOverPanel(window, kBetweenTheButtons.x, kBetweenTheButtons.y);
  expectWorkedExample(
      expectLook(window, kCloseButton, kCloseCaption, Look::kHeldDraggedOff, "close-held-dragged-off"),
      Look::kHeldDraggedOff);

  mouse_.releaseLeft();
  expectLook(window, kCloseButton, kCloseCaption, Look::kUp, "close-released-outside");
  EXPECT_FALSE(exitCode(1000)) << "the updater keeps running";

  // The same button still clicks when pressed and released on it.
  pointAt(window, kCloseButton);
  mouse_.pressLeft();
  mouse_.releaseLeft();
  EXPECT_EQ(exitCode(), DWORD{0});
}

TEST_F(SpeedButtonOnScreen, UpgradeButtonStaysPressedWhileItsClickRunsAndIsDisabledByASuccessfulOne) {
  const std::string folder = prepareInstallFolder(true);
  storeRecord(folder, "Ralvento v.2.50");
  test_support::UniqueHandle heldOpen(CreateFileA(targetFile().c_str(), GENERIC_READ, 0, nullptr,
                                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  ASSERT_NE(heldOpen.get(), INVALID_HANDLE_VALUE);
  const auto window = startUpdater(2);
  expectWorkedExample(expectLook(window, kUpgradeButton, kUpgradeCaption, Look::kUp, "upgrade-up"),
                      Look::kUp);
  pointAt(window, kUpgradeButton);
  expectWorkedExample(expectLook(window, kUpgradeButton, kUpgradeCaption, Look::kHot, "upgrade-hot"),
                      Look::kHot);
  mouse_.pressLeft();
  expectWorkedExample(expectLook(window, kUpgradeButton, kUpgradeCaption, Look::kHeld, "upgrade-held"),
                      Look::kHeld);

  // The target is held open: the click shows its error dialog while the button is still down.
  mouse_.releaseLeft();
  const auto error = driver::waitForMessageBox(updater_->id(), 30000);
  ASSERT_TRUE(error);
  EXPECT_EQ(error->text, "Inchideti mai intai Ralvento!");
  moveAside(*error);
  expectLook(window, kUpgradeButton, kUpgradeCaption, Look::kHeld, "upgrade-held-during-its-click");
  driver::pressOk(*error);
  ASSERT_TRUE(driver::waitUntil([&] { return !IsWindow(error->hwnd); }, 5000));
  expectLook(window, kUpgradeButton, kUpgradeCaption, Look::kHot, "upgrade-up-after-its-click");

  // Released, the next click installs and disables the button inside the click.
  heldOpen.reset();
  mouse_.pressLeft();
  mouse_.releaseLeft();
  const auto confirmation = driver::waitForMessageBox(updater_->id(), 30000);
  ASSERT_TRUE(confirmation);
  EXPECT_EQ(confirmation->title, "Information");
  moveAside(*confirmation);
  expectWorkedExample(
      expectLook(window, kUpgradeButton, kUpgradeCaption, Look::kDisabled, "upgrade-disabled-by-its-click"),
      Look::kDisabled);
  driver::pressOk(*confirmation);
  ASSERT_TRUE(driver::waitUntil([&] { return !IsWindow(confirmation->hwnd); }, 5000));
  expectLook(window, kUpgradeButton, kUpgradeCaption, Look::kDisabled, "upgrade-installed");
}

}  // namespace
}  // namespace e2e
