// The slow fade driven tick by tick: a gate lets the worker's sleeps end one at a time, and the
// GUI thread runs the ticks it hands over.
#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <system_error>
#include <vector>

#include "testing/fade_fixture.h"
#include "testing/thread_steps.h"
#include "toolkit/application.h"

namespace widgets::testing {
namespace {

using thread_steps::pumpUntil;

class SpeedButtonFade : public FadeTest {
 protected:
  // Lets one more sleep end and waits until its tick has run: the worker is then parked or
  // asleep again.
  void tick(int sleepsSoFar) {
    gate.open();
    ASSERT_TRUE(
        pumpUntil([&] { return gate.begun() > sleepsSoFar || button->fadeThread()->thread().parked(); }));
    toolkit::application::processMessages();
  }
  bool workerParked() const { return button->fadeThread()->thread().parked(); }
};

TEST_F(SpeedButtonFade, ALeaveFadesInEightRefreshedStepsAndParksTheWorker) {
  button = &fadingButton();
  EXPECT_TRUE(workerParked());
  enter();
  const int paintsBefore = paints();
  leave();
  EXPECT_EQ(button->fadeStep(), 8) << "the fade starts at full strength";
  EXPECT_EQ(paints(), paintsBefore) << "the leave itself repaints nothing";
  std::vector<int> steps;
  for (int i = 0; i < 8; ++i) {
    gate.waitUntilBegun(i + 1);
    tick(i + 1);
    steps.push_back(button->fadeStep());
    EXPECT_EQ(paints(), paintsBefore + i + 1);
  }
  EXPECT_EQ(steps, (std::vector<int>{7, 6, 5, 4, 3, 2, 1, 0}));
  EXPECT_TRUE(pumpUntil([&] { return workerParked(); }));
  EXPECT_EQ(gate.begun(), 8) << "parked before another sleep";
}

TEST_F(SpeedButtonFade, AWorkerThatNeverSeesAPointerNeverTicks) {
  button = &fadingButton();
  button->setSlowDecease(true);  // a second write makes no second worker
  const TLbButtonThread* worker = button->fadeThread();
  button->setSlowDecease(true);
  EXPECT_EQ(button->fadeThread(), worker);
  toolkit::application::processMessages();
  EXPECT_EQ(gate.begun(), 0);
  EXPECT_TRUE(workerParked());
}

TEST_F(SpeedButtonFade, ALeaveWithoutAHotStateTicksOnceAndParksAgain) {
  button = &fadingButton();
  button->setEnabled(false);
  enter();
  const int paintsBefore = paints();
  leave();
  gate.waitUntilBegun(1);
  tick(1);
  EXPECT_TRUE(pumpUntil([&] { return workerParked(); }));
  EXPECT_EQ(button->fadeStep(), 0);
  EXPECT_EQ(paints(), paintsBefore + 1);
}

TEST_F(SpeedButtonFade, SwitchingOffStopsTheWorkerOnceWhetherHotFadingOrIdle) {
  for (const int ticksFirst : {-1, 0, 3}) {  // -1: while hot
    gate.open(100);                          // nothing waits on the gate here
    button = &fadingButton();
    enter();
    if (ticksFirst >= 0) {
      leave();
      ASSERT_TRUE(pumpUntil([&] { return button->fadeStep() <= 8 - ticksFirst; }));
    }
    button->setSlowDecease(false);
    EXPECT_EQ(button->fadeThread(), nullptr);
    EXPECT_EQ(button->fadeStep(), 0) << ticksFirst;
    const int paintsAfter = paints();
    button->setSlowDecease(false);
    toolkit::application::processMessages();
    EXPECT_EQ(paints(), paintsAfter) << "no tick after the stop";
    button->setParent(nullptr);
  }
}

TEST_F(SpeedButtonFade, DestroyingMidFadeEndsTheWorkerAndNothingDrawsAfter) {
  gate.open(3);
  auto owned = std::make_unique<TLbSpeedButton>(&form);
  owned->setParent(&panel);
  owned->setFadeThreadOptions(gate.options());
  owned->setSlowDecease(true);
  button = owned.get();
  enter();
  leave();
  ASSERT_TRUE(pumpUntil([&] { return button->fadeStep() == 5; }));
  gate.open(100);
  owned.reset();
  button = nullptr;
  const int paintsAfter = paints();
  toolkit::application::processMessages();
  EXPECT_EQ(paints(), paintsAfter);
}

TEST_F(SpeedButtonFade, ThePointerComingBackParksTheFadeAndTheNextLeaveStartsAtTheTop) {
  button = &fadingButton();
  enter();
  leave();
  gate.waitUntilBegun(1);
  tick(1);
  tick(2);
  EXPECT_EQ(button->fadeStep(), 6);
  enter();
  EXPECT_TRUE(workerParked()) << "entering parks a running fade";
  EXPECT_EQ(button->fadeStep(), 8);
  leave();
  EXPECT_FALSE(workerParked());
  tick(3);
  EXPECT_EQ(button->fadeStep(), 7);
  // A tick already on its way when the pointer comes back changes nothing.
  enter();
  button->fadeThread()->thread().resume();
  const int paintsBefore = paints();
  tick(4);
  EXPECT_TRUE(pumpUntil([&] { return workerParked(); }));
  EXPECT_EQ(button->fadeStep(), 8);
  EXPECT_EQ(paints(), paintsBefore);
}

TEST_F(SpeedButtonFade, AWorkerTheSystemCannotStartLeavesTheFeatureOnButNoButtonHotForGood) {
  auto& b = addButton({10, 10, 110, 40});
  toolkit::ThreadOptions failing;
  failing.launch = [](std::function<void()>) -> std::thread {
    throw std::system_error(std::make_error_code(std::errc::resource_unavailable_try_again));
  };
  b.setFadeThreadOptions(failing);
  EXPECT_THROW(
      {
        try {
          b.setSlowDecease(true);
        } catch (const std::runtime_error& e) {
          EXPECT_TRUE(std::string(e.what()).starts_with("Thread creation error: ")) << e.what();
          throw;
        }
      },
      std::runtime_error);
  EXPECT_TRUE(b.slowDecease());
  EXPECT_EQ(b.fadeThread(), nullptr);
  panel.handleMouseMove({30, 20});
  const int paintsBefore = paints();
  panel.handleMouseMove({290, 190});
  EXPECT_EQ(b.fadeStep(), 0);
  EXPECT_EQ(paints(), paintsBefore + 1);
}

// Run under the sanitizer presets too: races, leaks and hangs show here.
TEST_F(SpeedButtonFade, StressOfSwitchingAndDestroyingWhileFading) {
  const auto noSleep = thread_steps::noSleep();
  for (int i = 0; i < 10000; ++i) {
    auto b = std::make_unique<TLbSpeedButton>(&form);
    b->setParent(&panel);
    b->setBounds({10, 10, 110, 40});
    b->setTransparent(true);  // invalidations only: the cycles measure the worker, not painting
    b->setFadeThreadOptions(noSleep);
    b->setSlowDecease(true);
    enter();
    leave();
    if (i % 3 == 0) toolkit::application::processMessages();
    if (i % 2 == 0) b->setSlowDecease(false);
  }
  SUCCEED() << "no hang, no race report, no leak";
}

}  // namespace
}  // namespace widgets::testing
