// The slow fade with the worker's real 30 ms sleep and the backend's own hand-off: the order and
// the count of its steps, and many workers made and stopped on the real backend.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "gold_button.h"
#include "testing/thread_steps.h"
#include "widgets/lb_speed_button.h"

namespace widgets {
namespace {

TEST(SpeedButtonRealFade, EightStepsFromSevenToZeroThenTheWorkerParks) {
  std::vector<int> steps;  // outlives the button, whose worker may tick while it is stopped
  gold_button::Window window("Fade");
  TLbSpeedButton& button = window.addButton("Faded");
  button.setSlowDecease(true);
  TLbButtonThread::TickEvent& onTick = button.fadeThread()->onTick();
  onTick = [tick = onTick, &steps, &button](TLbButtonThread& sender) {
    tick(sender);
    steps.push_back(button.fadeStep());
  };
  window.enterAndLeave();
  ASSERT_TRUE(
      thread_steps::pumpUntil([&] { return steps.size() >= 8 && button.fadeThread()->thread().parked(); }));
  EXPECT_EQ(steps, (std::vector<int>{7, 6, 5, 4, 3, 2, 1, 0}));
}

TEST(SpeedButtonRealFade, ManyWorkersMadeFadingAndStoppedOnTheRealBackend) {
  gold_button::Window window("Fade");
  for (int i = 0; i < 1000; ++i) {
    auto button = std::make_unique<TLbSpeedButton>(&window.form());
    button->setParent(&window.panel());
    button->setBounds(gold_button::Window::kButtonBounds);
    button->setTransparent(true);
    button->setFadeThreadOptions(thread_steps::noSleep());
    button->setSlowDecease(true);
    window.enterAndLeave();
    if (i % 2 == 0) button->setSlowDecease(false);
  }
  SUCCEED() << "no hang";
}

}  // namespace
}  // namespace widgets
