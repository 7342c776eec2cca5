// The events that a screen reader waits for, heard from another process: a move, hiding and
// showing, and the renumbering when a control leaves its panel. (The hot state is heard from the
// real updater, in accessibility_e2e_test.cpp.)
#include <gtest/gtest.h>
#include <oleacc.h>
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "accessible_client.h"
#include "accessible_events.h"
#include "out_of_process_driver.h"
#include "process.h"

namespace e2e {
namespace {

using driver::AccessibleEvent;
using Events = std::vector<AccessibleEvent>;

// The button that the others change, first in the panel's order.
constexpr LONG kTarget = 1;

class AccessibleChanges : public ::testing::Test {
 protected:
  void SetUp() override {
    window_ = std::make_unique<driver::Process>(std::string("\"") + ACCESSIBLE_CHANGES_EXE + "\"");
    ASSERT_TRUE(window_->started());
    HWND form = nullptr;
    ASSERT_TRUE(driver::waitUntil(
        [&] { return (form = driver::findTopLevel(window_->id(), "UpTK294QForm")) != nullptr; }, 20000));
    panel_ = FindWindowExA(form, nullptr, "UpTK294QPanel", nullptr);
    ASSERT_NE(panel_, nullptr);
    ASSERT_TRUE(driver::waitUntil([&] { return driver::accessibleChildren(panel_).size() == 5; }, 5000));
    listener_ = std::make_unique<driver::AccessibleEventListener>(window_->id(), panel_);
    ASSERT_TRUE(listener_->listening());
  }
  void TearDown() override {
    listener_.reset();
    if (window_) window_->kill();
  }

  // Presses a button by its default action and gives back what was heard of the target.
  Events press(const char* name, DWORD expected) {
    EXPECT_EQ(driver::doAccessibleDefaultAction(panel_, name), S_OK) << name;
    EXPECT_TRUE(listener_->waitFor(expected, kTarget, 5000)) << name;
    return targetEvents();
  }
  Events targetEvents() {
    Events of;
    for (const AccessibleEvent& e : listener_->take())
      if (e.child == kTarget || e.child == CHILDID_SELF) of.push_back(e);
    return of;
  }

  std::unique_ptr<driver::Process> window_;
  HWND panel_ = nullptr;
  std::unique_ptr<driver::AccessibleEventListener> listener_;
};

TEST_F(AccessibleChanges, AMoveHidingShowingAndALeavingControlAreEachTold) {
  EXPECT_EQ(press("Move", EVENT_OBJECT_LOCATIONCHANGE), (Events{{EVENT_OBJECT_LOCATIONCHANGE, kTarget}}));
  EXPECT_EQ(press("Hide", EVENT_OBJECT_HIDE),
            (Events{{EVENT_OBJECT_STATECHANGE, kTarget}, {EVENT_OBJECT_HIDE, kTarget}}));
  EXPECT_EQ(press("Show", EVENT_OBJECT_SHOW),
            (Events{{EVENT_OBJECT_STATECHANGE, kTarget}, {EVENT_OBJECT_SHOW, kTarget}}));

  EXPECT_EQ(driver::doAccessibleDefaultAction(panel_, "Remove"), S_OK);
  EXPECT_TRUE(listener_->waitFor(EVENT_OBJECT_REORDER, CHILDID_SELF, 5000));
  EXPECT_EQ(targetEvents(), (Events{{EVENT_OBJECT_REORDER, CHILDID_SELF}}));
  EXPECT_EQ(driver::accessibleChildren(panel_).size(), 4u) << "the later buttons moved up";
}

}  // namespace
}  // namespace e2e
