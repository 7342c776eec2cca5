// The real updater as an assistive tool sees it from another process: its accessible objects
// listed through AccessibleObjectFromWindow, and the upgrade pressed by its default action.
#include <gtest/gtest.h>
#include <oleacc.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "accessible_client.h"
#include "accessible_events.h"
#include "e2e_fixture.h"
#include "payload_compare.h"
#include "real_mouse.h"

namespace e2e {
namespace {

using driver::AccessibleItem;

constexpr char kUpgradeCaption[] = "Actualizare la versiunea 2.63";

// "Inchide" 0x0 push button "Press" at (x, y): one line a child, for a readable failure.
std::string listed(const std::vector<AccessibleItem>& items, const driver::UpdaterWindow& window) {
  POINT origin{0, 0};
  ClientToScreen(window.panel, &origin);
  std::string text;
  for (const AccessibleItem& item : items) {
    if (item.ownObject) {
      text += "[window]\n";  // the system's object for the log box: Wine tells little of it
      continue;
    }
    text += '"' + item.name + "\" role " + std::to_string(item.role) + " state " +
            std::to_string(item.state) + " shortcut \"" + item.shortcut + "\" action \"" +
            item.defaultAction + "\" at " + std::to_string(item.location.left - origin.x) + "," +
            std::to_string(item.location.top - origin.y) + " " +
            std::to_string(item.location.right - item.location.left) + "x" +
            std::to_string(item.location.bottom - item.location.top) + "\n";
  }
  return text;
}

std::string button(const std::string& name, long state, const RECT& at) {
  return '"' + name + "\" role " + std::to_string(ROLE_SYSTEM_PUSHBUTTON) + " state " +
         std::to_string(state) + " shortcut \"\" action \"Press\" at " + std::to_string(at.left) + "," +
         std::to_string(at.top) + " " + std::to_string(at.right - at.left) + "x" +
         std::to_string(at.bottom - at.top) + "\n";
}

class AccessibilityTest : public UpdaterTest {
 protected:
  void SetUp() override {
    UpdaterTest::SetUp();
    SetCursorPos(0, 0);  // nothing hot
  }
};

TEST_F(AccessibilityTest, NotInstalledListsBothButtonsAndTheLogAndRefusesTheDisabledPress) {
  const auto window = startUpdater(1);
  const auto items = driver::accessibleChildren(window.panel);
  EXPECT_EQ(listed(items, window), button("Inchide", 0, kCloseButton) +
                                       button("Cautare...", STATE_SYSTEM_UNAVAILABLE, kUpgradeButton) +
                                       "[window]\n");

  // The hit test finds the buttons by their place on the screen.
  POINT inUpgrade{kUpgradeButton.left + 5, kUpgradeButton.top + 5};
  ClientToScreen(window.panel, &inUpgrade);
  EXPECT_EQ(driver::accessibleChildAt(window.panel, inUpgrade), 2);

  EXPECT_EQ(driver::doAccessibleDefaultAction(window.panel, "Cautare..."), E_FAIL);
  EXPECT_TRUE(driver::noMessageBoxFor(updater_->id(), 1000));
  screenshot(window.form, "a11y-not-installed");

  // Inchide by its default action ends the program.
  EXPECT_EQ(driver::doAccessibleDefaultAction(window.panel, "Inchide"), S_OK);
  EXPECT_EQ(exitCode(), DWORD{0});
}

TEST_F(AccessibilityTest, InstalledPressByDefaultActionReturnsAtOnceInstallsAndConfirms) {
  const std::string folder = prepareInstallFolder(true);
  storeRecord(folder, "Ralvento v.2.50");
  const auto window = startUpdater(2);
  EXPECT_EQ(listed(driver::accessibleChildren(window.panel), window),
            button("Inchide", 0, kCloseButton) + button(kUpgradeCaption, 0, kUpgradeButton) + "[window]\n");

  // The call comes back before the dialog that the click opens has been answered.
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(driver::doAccessibleDefaultAction(window.panel, kUpgradeCaption), S_OK);
  const auto took = std::chrono::steady_clock::now() - start;
  std::printf("accDoDefaultAction returned after %lld ms\n",
              static_cast<long long>(std::chrono::duration_cast<std::chrono::milliseconds>(took).count()));

  const auto box = driver::waitForMessageBox(updater_->id(), 30000);
  ASSERT_TRUE(box);
  EXPECT_EQ(box->text, "Ralvento a fost actualizata la versiunea 2.63.");
  EXPECT_EQ(box->icon, driver::BoxIcon::kInformation);
  // While the dialog is open the tree still answers: the upgrade disabled by the click, and still
  // down, as a press by the accelerator keeps it until the click has returned; both unavailable
  // behind the dialog, which disables the window.
  EXPECT_EQ(listed(driver::accessibleChildren(window.panel), window),
            button("Inchide", STATE_SYSTEM_UNAVAILABLE, kCloseButton) +
                button(kUpgradeCaption, STATE_SYSTEM_UNAVAILABLE | STATE_SYSTEM_PRESSED, kUpgradeButton) +
                "[window]\n");
  // A press behind it is refused: the program neither ends nor takes the dialog down unanswered.
  EXPECT_EQ(driver::doAccessibleDefaultAction(window.panel, "Inchide"), E_FAIL);
  EXPECT_FALSE(exitCode(1000));
  EXPECT_TRUE(IsWindowVisible(box->hwnd));
  screenshot(box->hwnd, "a11y-confirmation");
  driver::pressOk(*box);
  EXPECT_TRUE(driver::waitUntil(
      [&] {
        const auto items = driver::accessibleChildren(window.panel);
        return items.size() == 3 && items[1].state == STATE_SYSTEM_UNAVAILABLE;
      },
      5000))
      << "back up once the click has returned";

  EXPECT_EQ(recordValue("VER"), "Ralvento v.2.63");
  EXPECT_EQ(driver::fileEqualsCarriedPayload(UPDATER_EXE, targetFile()), true);
  EXPECT_EQ(driver::doAccessibleDefaultAction(window.panel, kUpgradeCaption), E_FAIL)
      << "disabled after the upgrade";
  driver::closeByCloseBox(window);
  EXPECT_EQ(exitCode(), DWORD{0});
}

TEST_F(AccessibilityTest, TheHotStateIsToldAsTheRealPointerEntersAndLeavesAButton) {
  const auto window = startUpdater(1);
  driver::AccessibleEventListener listener(updater_->id(), window.panel);
  ASSERT_TRUE(listener.listening());
  const auto closeState = [&] { return driver::accessibleChildren(window.panel).at(0).state; };
  driver::RealMouse mouse;
  listener.take();
  mouse.moveOverPanel(window, kCloseButton.left + 10, kCloseButton.top + 10);
  EXPECT_TRUE(listener.waitFor(EVENT_OBJECT_STATECHANGE, 1, 5000)) << "on entering";
  EXPECT_EQ(closeState(), STATE_SYSTEM_HOTTRACKED);
  listener.take();
  mouse.park();
  EXPECT_TRUE(listener.waitFor(EVENT_OBJECT_STATECHANGE, 1, 5000)) << "on leaving";
  EXPECT_EQ(closeState(), 0);
}

}  // namespace
}  // namespace e2e
