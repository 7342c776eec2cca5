// A fading button taken off its parent: the fade runs out unseen, without an error per tick.
#include <gtest/gtest.h>

#include "testing/fade_fixture.h"
#include "testing/thread_steps.h"
#include "toolkit/application.h"
#include "toolkit/headless/in_process_driver.h"

namespace widgets::testing {
namespace {

using thread_steps::pumpUntil;

using SpeedButtonParentlessFade = FadeTest;

TEST_F(SpeedButtonParentlessFade, AnOpaqueButtonTakenOffDuringAFadeCountsDownAndDrawsNothing) {
  fadingButton();
  enter();
  leave();
  gate.open(2);
  ASSERT_TRUE(pumpUntil([&] { return button->fadeStep() == 6; }));

  button->setParent(nullptr);
  const int paintsOff = paints();
  gate.open(1 << 20);
  EXPECT_TRUE(pumpUntil([&] { return button->fadeThread()->thread().parked(); }));
  EXPECT_EQ(button->fadeStep(), 0);
  EXPECT_EQ(paints(), paintsOff);
  EXPECT_TRUE(toolkit::headless::shownBoxes().empty()) << toolkit::headless::shownBoxes().front().text;
}

}  // namespace
}  // namespace widgets::testing
