#pragma once
#include <gtest/gtest.h>

#include <memory>

#include "toolkit/form.h"
#include "toolkit/headless/in_process_driver.h"
#include "toolkit/panel.h"
#include "widgets/lb_speed_button.h"

namespace widgets::testing {

// A shown form with a panel, and buttons on it: what the control needs of a window.
class SpeedButtonTest : public ::testing::Test {
 protected:
  void SetUp() override {
    toolkit::headless::resetUi();
    form.show();
  }
  void TearDown() override { toolkit::headless::resetUi(); }

  // A new button owned by the form, on `parent` (the panel unless told otherwise).
  TLbSpeedButton& addButton(const graphics::Rect& bounds, toolkit::ControlHost* parent = nullptr) {
    auto& b = form.own<TLbSpeedButton>();
    b.setName("Button" + std::to_string(form.ownedComponents().size()));
    b.setParent(parent ? parent : &panel);
    b.setBounds(bounds);
    return b;
  }

  int paints() const { return toolkit::headless::immediatePaints(panel); }
  int invalidations() const { return toolkit::headless::invalidations(panel); }

  static toolkit::FormOptions options() {
    toolkit::FormOptions o;
    o.clientWidth = 300;
    o.clientHeight = 200;
    return o;
  }

  toolkit::Form form{options()};
  toolkit::Panel panel{form, {0, 0, 300, 200}, 0x005BCECB};
};

}  // namespace widgets::testing
