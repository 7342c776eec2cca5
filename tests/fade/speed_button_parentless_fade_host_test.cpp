// A fading button taken off its parent: the fade runs out unseen, without an error per tick.
#include <gtest/gtest.h>

#include "toolkit/application.h"
#include "toolkit/headless/in_process_driver.h"
#include "toolkit/thread_steps.h"
#include "widgets/speed_button_fixture.h"

namespace widgets::testing {
namespace {

using thread_steps::pumpUntil;

class SpeedButtonParentlessFade : public SpeedButtonTest {
 protected:
  void TearDown() override {
    gate.open(1 << 20);
    if (button) button->setSlowDecease(false);
    SpeedButtonTest::TearDown();
  }

  thread_steps::StepGate gate;
  TLbSpeedButton* button = nullptr;
};

TEST_F(SpeedButtonParentlessFade, AnOpaqueButtonTakenOffDuringAFadeCountsDownAndDrawsNothing) {
  button = &addButton({10, 10, 110, 40});
  button->setColorStyle(lcsGold);  // opaque: each tick would paint at once
  button->setFadeThreadOptions(gate.options());
  button->setSlowDecease(true);
  panel.handleMouseMove({30, 20});
  panel.handleMouseMove({290, 190});
  gate.open(2);
  ASSERT_TRUE(pumpUntil([&] { return button->fadeStep() == 6; }));

  button->setParent(nullptr);
  const int paintsOff = paints();
  gate.open(1 << 20);
  EXPECT_TRUE(pumpUntil([&] { return button->fadeThread()->thread().parked(); }));
  EXPECT_EQ(button->fadeStep(), 0);
  EXPECT_EQ(paints(), paintsOff);
  EXPECT_TRUE(platform::headless::shownBoxes().empty()) << platform::headless::shownBoxes().front().text;
}

}  // namespace
}  // namespace widgets::testing
