// The fade's guards: a tick that comes once the button is going or its worker is ending does
// nothing, and a thread error from a leave or a tick reaches the application's error report.
#include <gtest/gtest.h>

#include <string>
#include <system_error>

#include "testing/fade_fixture.h"
#include "testing/thread_steps.h"
#include "toolkit/application.h"
#include "toolkit/headless/in_process_driver.h"
#include "toolkit/thread.h"

namespace widgets::testing {
namespace {

using thread_steps::pumpUntil;

// A button whose destruction can be begun by a test, as its destructor begins it.
class DoomedButton : public TLbSpeedButton {
 public:
  using TLbSpeedButton::TLbSpeedButton;
  void beginDestruction() { markDestroying(); }
};

class SpeedButtonFadeRules : public FadeTest {
 protected:
  // A fading button on the panel whose worker sleeps until the gate lets it go on: the pointer
  // has come and left, so the fade stands at its top.
  DoomedButton& fadingDoomedButton() {
    auto& b = form.own<DoomedButton>();
    b.setName("Fading");
    b.setParent(&panel);
    b.setBounds({10, 10, 110, 40});
    b.setFadeThreadOptions(gate.options());
    b.setSlowDecease(true);
    enter();
    leave();
    button = &b;
    return b;
  }
};

struct TickCase {
  const char* name;
  void (*begin)(DoomedButton& b);
  int fadeStep;  // after the tick, from 8
  int paints;
};

TEST_F(SpeedButtonFadeRules, ATickDoesNothingOnceDestructionOrTerminationHasBegun) {
  const TickCase cases[] = {
      {"neither: the tick steps and refreshes", [](DoomedButton&) {}, 7, 1},
      {"termination asked of the worker", [](DoomedButton& b) { b.fadeThread()->thread().terminate(); }, 8,
       0},
      {"destruction begun", [](DoomedButton& b) { b.beginDestruction(); }, 8, 0},
  };
  for (const TickCase& c : cases) {
    SCOPED_TRACE(c.name);
    DoomedButton& b = fadingDoomedButton();
    ASSERT_EQ(b.fadeStep(), 8);
    c.begin(b);
    const int paintsBefore = paints();
    b.fadeTick();
    EXPECT_EQ(b.fadeStep(), c.fadeStep);
    EXPECT_EQ(paints() - paintsBefore, c.paints);
    gate.open(1 << 20);
    b.setSlowDecease(false);
    b.setParent(nullptr);
  }
}

// The system's lock failing as parking or resuming takes it; the worker's own steps cannot be
// made to fail from outside, so the error is raised where the leave and the tick run code of
// the button's own.
const std::system_error kLockFailure(std::make_error_code(std::errc::resource_unavailable_try_again));

TEST_F(SpeedButtonFadeRules, AThreadErrorFromALeaveOrATickReachesTheErrorReport) {
  toolkit::application::setTitle("UpTK294Q");
  // No "." is added after the closing parenthesis.
  const std::string report = "Thread Error: Resource temporarily unavailable (11)";

  auto& leaving = addButton({10, 10, 110, 40});
  leaving.onMouseExit = [](toolkit::Component&) { throw toolkit::ThreadError::system(kLockFailure); };
  enter();
  leave();
  ASSERT_EQ(toolkit::headless::shownBoxes().size(), 1u);
  EXPECT_EQ(toolkit::headless::shownBoxes()[0].text, report);
  EXPECT_EQ(toolkit::headless::shownBoxes()[0].title, "UpTK294Q");
  leaving.setParent(nullptr);

  DoomedButton& ticking = fadingDoomedButton();
  TLbButtonThread::TickEvent& onTick = ticking.fadeThread()->onTick();
  onTick = [fadeTick = onTick](TLbButtonThread& sender) {
    fadeTick(sender);
    throw toolkit::ThreadError::system(kLockFailure);
  };
  gate.open();
  ASSERT_TRUE(pumpUntil([] { return toolkit::headless::shownBoxes().size() == 2; }));
  EXPECT_EQ(toolkit::headless::shownBoxes()[1].text, report);
  EXPECT_EQ(ticking.fadeStep(), 7) << "the tick itself ran";
}

}  // namespace
}  // namespace widgets::testing
