// The plain push button on a headless panel: when it repaints, and what the click rule gives it.
#include <gtest/gtest.h>

#include "platform/form.h"
#include "platform/headless/ui_driver.h"
#include "platform/panel.h"
#include "widgets/push_button.h"

namespace widgets {
namespace {

class PushButtonTest : public ::testing::Test {
 protected:
  void press(platform::MouseButton b) { panel.handleMouseDown(b, 0, inside, false); }
  void release(platform::MouseButton b, platform::Point at) { panel.handleMouseUp(b, 0, at); }

  static platform::FormOptions options() {
    platform::FormOptions o;
    o.clientWidth = 200;
    o.clientHeight = 100;
    return o;
  }

  platform::Form form{options()};
  platform::Panel panel{form, {0, 0, 200, 100}, 0x00C0C0C0};
  PushButton button{panel, {10, 10, 110, 40}};
  const platform::Point inside{20, 20};
  int clicks = 0;
  bool downDuringClick = false;

  void SetUp() override {
    button.onClick = [this] {
      ++clicks;
      downDuringClick = button.down();
    };
  }
};

TEST_F(PushButtonTest, PressAndReleaseRepaintAtOnceAndClickWhileDown) {
  const int before = platform::headless::immediatePaints(panel);
  press(platform::MouseButton::kLeft);
  EXPECT_TRUE(button.down());
  EXPECT_EQ(platform::headless::immediatePaints(panel), before + 1) << "drawn pressed before any click runs";
  release(platform::MouseButton::kLeft, inside);
  EXPECT_EQ(clicks, 1);
  EXPECT_TRUE(downDuringClick);
  EXPECT_FALSE(button.down());
  EXPECT_EQ(platform::headless::immediatePaints(panel), before + 2);
}

TEST_F(PushButtonTest, RightButtonNeitherPressesNorClicks) {
  press(platform::MouseButton::kRight);
  release(platform::MouseButton::kRight, inside);
  EXPECT_FALSE(button.down());
  EXPECT_EQ(clicks, 0);
}

TEST_F(PushButtonTest, DisabledButtonTakesNoPressAndIsNotRepainted) {
  button.setEnabled(false);
  const int before = platform::headless::immediatePaints(panel);
  press(platform::MouseButton::kLeft);
  release(platform::MouseButton::kLeft, inside);
  EXPECT_FALSE(button.down());
  EXPECT_EQ(clicks, 0);
  EXPECT_EQ(platform::headless::immediatePaints(panel), before);
}

TEST_F(PushButtonTest, ChangesThatShowWaitForThePaintCycleAndEqualOnesDoNothing) {
  int before = platform::headless::invalidations(panel);
  button.setCaption("Inchide");
  EXPECT_EQ(platform::headless::invalidations(panel), before + 1);
  button.setCaption("Inchide");
  EXPECT_EQ(platform::headless::invalidations(panel), before + 1);
  before = platform::headless::invalidations(panel);
  button.setEnabled(false);
  button.setEnabled(false);
  EXPECT_EQ(platform::headless::invalidations(panel), before + 1);
}

TEST_F(PushButtonTest, ReleaseAfterDraggingOffComesUpWithoutClick) {
  press(platform::MouseButton::kLeft);
  release(platform::MouseButton::kLeft, {150, 80});
  EXPECT_FALSE(button.down());
  EXPECT_EQ(clicks, 0);
}

}  // namespace
}  // namespace widgets
