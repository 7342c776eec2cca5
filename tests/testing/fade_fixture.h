#pragma once
#include "testing/speed_button_fixture.h"
#include "testing/thread_steps.h"
#include "widgets/lb_speed_button.h"

namespace widgets::testing {

// Fading buttons on a shown form, whose workers sleep until the gate lets them go on.
class FadeTest : public SpeedButtonTest {
 protected:
  // An opaque gold button on the panel with SlowDecease on and its worker parked; the fading
  // button of the test from now on.
  TLbSpeedButton& fadingButton() {
    auto& b = addButton({10, 10, 110, 40});
    b.setColorStyle(lcsGold);  // opaque: each tick paints at once
    b.setFadeThreadOptions(gate.options());
    b.setSlowDecease(true);
    button = &b;
    return b;
  }
  void enter() { panel.handleMouseMove({30, 20}); }
  void leave() { panel.handleMouseMove({290, 190}); }

  // A worker being stopped may begin one more sleep: let every sleep end from now on, and stop
  // the worker while the gate still exists.
  void TearDown() override {
    gate.open(1 << 20);
    if (button) button->setSlowDecease(false);
    SpeedButtonTest::TearDown();
  }

  thread_steps::StepGate gate;
  TLbSpeedButton* button = nullptr;  // not owned: the form or the test owns it
};

}  // namespace widgets::testing
