// The showcase window under Wine, driven through the system's real input: what only the system
// does for the speed button (keyboard accelerators, the popup menu, the tooltip, mouse capture
// in a group), looked at from outside the process.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "out_of_process_driver.h"
#include "process.h"
#include "real_keyboard.h"
#include "real_mouse.h"
#include "showcase_layout.h"
#include "toolkit/log_box.h"

namespace e2e {
namespace {

namespace layout = showcase::layout;
using graphics::Rect;

class Showcase : public ::testing::Test {
 protected:
  void SetUp() override {
    showcase_ = std::make_unique<driver::Process>(std::string("\"") + SHOWCASE_EXE + "\"");
    ASSERT_TRUE(showcase_->started());
    ASSERT_TRUE(driver::waitUntil(
        [&] { return (form_ = driver::findTopLevel(showcase_->id(), "UpTK294QForm")) != nullptr; }, 20000));
    for (HWND child = GetWindow(form_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
      if (driver::className(child) == "UpTK294QPanel") panels_.push_back(child);
    }
    log_ = FindWindowExA(panel(layout::kEventsPanel), nullptr, "Edit", nullptr);
    ASSERT_NE(log_, nullptr);
    ASSERT_TRUE(driver::waitUntil([&] { return !logLines().empty(); }, 5000));
    // Keyboard input goes to the foreground window.
    SetForegroundWindow(form_);
    ASSERT_TRUE(driver::waitUntil([&] { return GetForegroundWindow() == form_; }, 5000));
  }

  void TearDown() override {
    if (showcase_) showcase_->kill();
  }

  // The panel window placed at a layout rectangle of the form.
  HWND panel(const Rect& bounds) const {
    for (HWND p : panels_) {
      RECT r;
      GetWindowRect(p, &r);
      MapWindowPoints(nullptr, form_, reinterpret_cast<POINT*>(&r), 2);
      if (r.left == bounds.left && r.top == bounds.top) return p;
    }
    return nullptr;
  }

  // A point of a button, given by its panel and its place there, on the screen.
  POINT onScreen(const Rect& panelBounds, int x, int y) const {
    POINT p{x, y};
    ClientToScreen(panel(panelBounds), &p);
    return p;
  }
  POINT centreOf(const Rect& panelBounds, const Rect& button) const {
    return onScreen(panelBounds, (button.left + button.right) / 2, (button.top + button.bottom) / 2);
  }

  void click(const Rect& panelBounds, const Rect& button) {
    mouse_.moveTo(centreOf(panelBounds, button));
    mouse_.pressLeft();
    mouse_.releaseLeft();
  }

  std::vector<std::string> logLines() const { return toolkit::splitLines(driver::windowText(log_)); }
  // The lines added after the first `skip` once there are `count` of them, or what came in time.
  std::vector<std::string> newLines(std::size_t skip, std::size_t count, DWORD timeoutMs = 5000) const {
    std::vector<std::string> lines;
    driver::waitUntil(
        [&] {
          lines = logLines();
          return lines.size() >= skip + count;
        },
        timeoutMs);
    if (lines.size() < skip) return {};
    return {lines.begin() + static_cast<std::ptrdiff_t>(skip), lines.end()};
  }

  void screenshot(HWND window, const std::string& name) const {
    const char* folder = std::getenv("UPDATER_TEST_OUTPUT");
    if (!folder || !*folder) return;
    std::string path = std::string("Z:") + folder + "\\Showcase-" + name + ".bmp";
    for (char& c : path) {
      if (c == '/') c = '\\';
    }
    Sleep(200);  // the last paint must have reached the screen
    driver::saveScreenshot(window, path);
  }

  std::unique_ptr<driver::Process> showcase_;
  driver::RealMouse mouse_;  // parked away from every window
  HWND form_ = nullptr;
  HWND log_ = nullptr;
  std::vector<HWND> panels_;
};

TEST_F(Showcase, OpensWithEverySection) {
  EXPECT_EQ(driver::windowText(form_), "TLbSpeedButton showcase");
  RECT client;
  GetClientRect(form_, &client);
  EXPECT_EQ(client.right, layout::kClientWidth);
  EXPECT_EQ(client.bottom, layout::kClientHeight);
  for (const Rect& r :
       {layout::kFacesPanel, layout::kColoursPanel, layout::kTransparentPanel, layout::kFlatPanel,
        layout::kGroupPanel, layout::kAcceleratorPanel, layout::kPopupPanel, layout::kActionPanel,
        layout::kGlyphPanel, layout::kEventsPanel}) {
    EXPECT_NE(panel(r), nullptr) << r.left << "," << r.top;
  }
  screenshot(form_, "window");
}

TEST_F(Showcase, AcceleratorsTypedOnTheKeyboardClickWithAltWhileTheLogBoxHasTheFocus) {
  const std::size_t before = logLines().size();
  driver::typeKey('O', true);
  EXPECT_EQ(newLines(before, 1), std::vector<std::string>{"Click: Open"});
  driver::typeKey('S', false);  // the read-only log box takes plain characters itself
  driver::typeKey('F', true);   // "Fish && Chips" has no accelerator
  driver::typeKey('S', true);
  EXPECT_EQ(newLines(before, 2), (std::vector<std::string>{"Click: Open", "Click: Save"}));
  Sleep(300);
  EXPECT_EQ(logLines().size(), before + 2);
  screenshot(form_, "accelerators");
  driver::typeKey('C', true);
  EXPECT_EQ(showcase_->waitForExit(5000), DWORD{0}) << "Alt+C is the Close button";
}

TEST_F(Showcase, PopupMenuDropsDownAtTheButtonsBottomLeftCornerAndItsChoiceComesBeforeTheClick) {
  const std::size_t before = logLines().size();
  click(layout::kPopupPanel, layout::kColourButton);
  HWND menu = nullptr;
  ASSERT_TRUE(driver::waitUntil(
      [&] { return (menu = driver::findTopLevel(showcase_->id(), "#32768")) != nullptr; }, 5000));
  RECT shown;
  GetWindowRect(menu, &shown);
  const POINT corner =
      onScreen(layout::kPopupPanel, layout::kColourButton.left, layout::kColourButton.bottom);
  EXPECT_EQ(shown.left, corner.x);
  EXPECT_EQ(shown.top, corner.y);
  EXPECT_GT(shown.bottom - shown.top, 4 * 10) << "five entries";
  screenshot(GetDesktopWindow(), "popup-menu");
  EXPECT_EQ(logLines().size(), before) << "nothing is clicked while the menu is open";
  driver::typeKey('G', false);  // the entry's accelerator chooses it
  EXPECT_EQ(newLines(before, 2), (std::vector<std::string>{"Menu: Green", "Click: Colour"}));
  EXPECT_TRUE(
      driver::waitUntil([&] { return driver::findTopLevel(showcase_->id(), "#32768") == nullptr; }, 2000));

  click(layout::kPopupPanel, layout::kFlatMenuButton);
  ASSERT_TRUE(driver::waitUntil(
      [&] { return (menu = driver::findTopLevel(showcase_->id(), "#32768")) != nullptr; }, 5000));
  driver::typeKey(VK_ESCAPE, false);  // dismissed: no entry, still the click
  EXPECT_EQ(newLines(before + 2, 1), std::vector<std::string>{"Click: FlatColour"});
}

TEST_F(Showcase, TheHintShowsInTheSystemTooltipAfterThePointerRests) {
  const POINT save = centreOf(layout::kAcceleratorPanel, layout::kSaveButton);
  mouse_.moveTo(save);
  const ULONGLONG start = GetTickCount64();
  HWND tip = nullptr;
  ASSERT_TRUE(driver::waitUntil(
      [&] { return (tip = driver::findTopLevel(showcase_->id(), "tooltips_class32")) != nullptr; }, 5000));
  std::printf("tooltip after %llu ms\n", GetTickCount64() - start);
  EXPECT_EQ(driver::windowText(tip), "Alt+S");
  RECT r;
  GetWindowRect(tip, &r);
  EXPECT_LE(std::abs(r.left - save.x), 40) << "near the pointer";
  EXPECT_GT(r.top, save.y - 40);
  screenshot(GetDesktopWindow(), "tooltip");

  mouse_.moveTo(centreOf(layout::kPopupPanel, layout::kColourButton));
  ASSERT_TRUE(driver::waitUntil(
      [&] {
        return (tip = driver::findTopLevel(showcase_->id(), "tooltips_class32")) &&
               driver::windowText(tip) != "Alt+S";
      },
      5000));
  EXPECT_EQ(driver::windowText(tip), "A popup menu drops down") << "the next control's own hint";
  mouse_.park();
  EXPECT_TRUE(driver::waitUntil(
      [&] { return driver::findTopLevel(showcase_->id(), "tooltips_class32") == nullptr; }, 5000));
}

TEST_F(Showcase, TheGroupUnderTheRealMouseWithAndWithoutAllowAllUp) {
  const std::size_t before = logLines().size();
  click(layout::kGroupPanel, layout::groupButton(1));
  click(layout::kGroupPanel, layout::groupButton(1));
  click(layout::kGroupPanel, layout::kAllowAllUpButton);
  click(layout::kGroupPanel, layout::groupButton(2));
  screenshot(form_, "group-three-down");
  click(layout::kGroupPanel, layout::groupButton(2));
  EXPECT_EQ(newLines(before, 5), (std::vector<std::string>{
                                     "Group: One up Two down Three up",
                                     "Group: One up Two down Three up",
                                     "AllowAllUp on",
                                     "Group: One up Two up Three down",
                                     "Group: One up Two up Three up",
                                 }));
  screenshot(form_, "group-all-up");
}

}  // namespace
}  // namespace e2e
