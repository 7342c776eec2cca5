// The showcase's group and popup buttons as an assistive tool sees and presses them from
// another process.
#include <gtest/gtest.h>
#include <oleacc.h>
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "accessible_client.h"
#include "out_of_process_driver.h"
#include "process.h"
#include "real_keyboard.h"
#include "showcase_layout.h"
#include "toolkit/log_box.h"

namespace e2e {
namespace {

namespace layout = showcase::layout;

class ShowcaseAccessibility : public ::testing::Test {
 protected:
  void SetUp() override {
    SetCursorPos(0, 0);  // nothing hot
    showcase_ = std::make_unique<driver::Process>(std::string("\"") + SHOWCASE_EXE + "\"");
    ASSERT_TRUE(showcase_->started());
    ASSERT_TRUE(driver::waitUntil(
        [&] { return (form_ = driver::findTopLevel(showcase_->id(), "UpTK294QForm")) != nullptr; }, 20000));
    log_ = FindWindowExA(panel(layout::kEventsPanel), nullptr, "Edit", nullptr);
    ASSERT_NE(log_, nullptr);
    ASSERT_TRUE(driver::waitUntil([&] { return !logLines().empty(); }, 5000));
  }
  void TearDown() override {
    if (showcase_) showcase_->kill();
  }

  HWND panel(const graphics::Rect& bounds) const {
    for (HWND p = GetWindow(form_, GW_CHILD); p; p = GetWindow(p, GW_HWNDNEXT)) {
      RECT r;
      GetWindowRect(p, &r);
      MapWindowPoints(nullptr, form_, reinterpret_cast<POINT*>(&r), 2);
      if (driver::className(p) == "UpTK294QPanel" && r.left == bounds.left && r.top == bounds.top) return p;
    }
    return nullptr;
  }
  std::vector<std::string> logLines() const { return toolkit::splitLines(driver::windowText(log_)); }
  bool logEndsWith(const std::string& line) const {
    return driver::waitUntil(
        [&] {
          const auto lines = logLines();
          return !lines.empty() && lines.back() == line;
        },
        5000);
  }
  // "One pressed, Two, Three": the named push buttons of a panel, in its order, and which are down.
  static std::string buttons(HWND window) {
    std::string text;
    for (const driver::AccessibleItem& item : driver::accessibleChildren(window)) {
      if (item.ownObject || item.role != ROLE_SYSTEM_PUSHBUTTON) continue;
      if (!text.empty()) text += ", ";
      text += item.name + ((item.state & STATE_SYSTEM_PRESSED) ? " pressed" : "");
    }
    return text;
  }

  std::unique_ptr<driver::Process> showcase_;
  HWND form_ = nullptr;
  HWND log_ = nullptr;
};

TEST_F(ShowcaseAccessibility, AGroupButtonPressedByItsDefaultActionReleasesTheOthersAsItsAcceleratorWould) {
  const HWND group = panel(layout::kGroupPanel);
  EXPECT_EQ(buttons(group), "One pressed, Two, Three, AllowAllUp");
  EXPECT_EQ(driver::doAccessibleDefaultAction(group, "Two"), S_OK);
  EXPECT_TRUE(logEndsWith("Group: One up Two down Three up"));
  // Down for its click, then back to where it was, as a press by the accelerator leaves it.
  EXPECT_TRUE(driver::waitUntil([&] { return buttons(group) == "One, Two, Three, AllowAllUp"; }, 5000))
      << buttons(group);
}

TEST_F(ShowcaseAccessibility, APopupButtonsDefaultActionReturnsWhileItsMenuIsOpen) {
  const HWND popup = panel(layout::kPopupPanel);
  const auto items = driver::accessibleChildren(popup);
  ASSERT_GE(items.size(), 2u);
  EXPECT_EQ(buttons(popup), "Colour, Flat colour");
  SetForegroundWindow(form_);
  ASSERT_TRUE(driver::waitUntil([&] { return GetForegroundWindow() == form_; }, 5000));
  const std::size_t before = logLines().size();
  EXPECT_EQ(driver::doAccessibleDefaultAction(popup, "Colour"), S_OK);
  HWND menu = nullptr;
  ASSERT_TRUE(driver::waitUntil(
      [&] { return (menu = driver::findTopLevel(showcase_->id(), "#32768")) != nullptr; }, 5000));
  EXPECT_EQ(logLines().size(), before) << "nothing is clicked while the menu is open";
  driver::typeKey(VK_ESCAPE, false);
  EXPECT_TRUE(logEndsWith("Click: Colour"));
}

}  // namespace
}  // namespace e2e
