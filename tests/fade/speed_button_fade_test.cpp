// The slow fade with the worker's real 30 ms sleep and the backend's own hand-off: the order and
// the count of its steps, and many workers made and stopped on the real backend.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "platform/form.h"
#include "platform/panel.h"
#include "platform/thread_steps.h"
#include "widgets/lb_speed_button.h"

namespace widgets {
namespace {

platform::FormOptions smallWindow() {
  platform::FormOptions o;
  o.caption = "Fade";
  // Centred on the screen, where a fresh display keeps the real pointer: the buttons sit in
  // the top-left corner, away from it, so that only this test's moves make them hot.
  o.clientWidth = 400;
  o.clientHeight = 240;
  return o;
}

TEST(SpeedButtonRealFade, EightStepsFromSevenToZeroThenTheWorkerParks) {
  std::vector<int> steps;  // outlives the button, whose worker may tick while it is stopped
  platform::Form form(smallWindow());
  platform::Panel panel(form, {0, 0, 400, 240}, 0x005BCECB);
  form.show();
  TLbSpeedButton& button = form.own<TLbSpeedButton>();
  button.setParent(&panel);
  button.setBounds({20, 20, 128, 51});
  button.setColorStyle(lcsGold);
  button.setSlowDecease(true);
  TLbButtonThread::TickEvent& onTick = button.fadeThread()->onTick();
  onTick = [tick = onTick, &steps, &button](TLbButtonThread& sender) {
    tick(sender);
    steps.push_back(button.fadeStep());
  };
  panel.handleMouseMove({30, 30});
  panel.handleMouseMove({5, 5});
  ASSERT_TRUE(
      thread_steps::pumpUntil([&] { return steps.size() >= 8 && button.fadeThread()->thread().parked(); }));
  EXPECT_EQ(steps, (std::vector<int>{7, 6, 5, 4, 3, 2, 1, 0}));
}

TEST(SpeedButtonRealFade, ManyWorkersMadeFadingAndStoppedOnTheRealBackend) {
  platform::Form form(smallWindow());
  platform::Panel panel(form, {0, 0, 400, 240}, 0x005BCECB);
  form.show();
  for (int i = 0; i < 1000; ++i) {
    auto button = std::make_unique<TLbSpeedButton>(&form);
    button->setParent(&panel);
    button->setBounds({20, 20, 128, 51});
    button->setTransparent(true);
    button->setFadeThreadOptions(thread_steps::noSleep());
    button->setSlowDecease(true);
    panel.handleMouseMove({30, 30});
    panel.handleMouseMove({5, 5});
    if (i % 2 == 0) button->setSlowDecease(false);
  }
  SUCCEED() << "no hang";
}

}  // namespace
}  // namespace widgets
