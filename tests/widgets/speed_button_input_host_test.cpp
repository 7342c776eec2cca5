// The speed button under the mouse: hot tracking, press and release with groups, clicks, and
// the guard that keeps a running click from being entered again.
#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

#include "testing/speed_button_fixture.h"
#include "toolkit/application.h"
#include "toolkit/headless/in_process_driver.h"

namespace widgets::testing {
namespace {

using graphics::Point;
using toolkit::MouseButton;

class SpeedButtonInput : public SpeedButtonTest {
 protected:
  // Events in the order they came, with the sender's name.
  void record(TLbSpeedButton& b) {
    const auto note = [this](std::string what) {
      return [this, what](toolkit::Component& sender) { events.push_back(what + " " + sender.name()); };
    };
    b.onClick = [this, &b](toolkit::Component& sender) {
      events.push_back("click " + sender.name() + (b.down() ? " down" : " up"));
    };
    b.onMouseEnter = note("enter");
    b.onMouseExit = note("exit");
    b.onMouseDown = [this](toolkit::Component& s, MouseButton, unsigned, Point at) {
      events.push_back("mousedown " + s.name() + " " + std::to_string(at.x) + "," + std::to_string(at.y));
    };
    b.onMouseUp = [this](toolkit::Component& s, MouseButton, unsigned, Point) {
      events.push_back("mouseup " + s.name());
    };
  }
  void press(Point at, MouseButton button = MouseButton::kLeft) {
    panel.handleMouseDown(button, 0, at, false);
  }
  void release(Point at, MouseButton button = MouseButton::kLeft) { panel.handleMouseUp(button, 0, at); }
  void clickAt(Point at) {
    press(at);
    release(at);
  }

  std::vector<std::string> events;
  const Point outside{290, 190};
};

TEST_F(SpeedButtonInput, ThreeButtonGroupUnderOneParentWithAndWithoutAllowAllUp) {
  toolkit::Panel otherPanel{form, {0, 0, 300, 200}, 0};
  for (const bool allowAllUp : {false, true}) {
    std::vector<TLbSpeedButton*> g;
    for (int i = 0; i < 3; ++i) {
      g.push_back(&addButton({10 + 60 * i, 10, 60 + 60 * i, 40}));
      g.back()->setGroupIndex(1);
      g.back()->setAllowAllUp(allowAllUp);
    }
    TLbSpeedButton& elsewhere = addButton({10, 10, 60, 40}, &otherPanel);
    elsewhere.setGroupIndex(1);
    elsewhere.setDown(true);
    g[0]->setDown(true);
    clickAt({80, 20});
    EXPECT_FALSE(g[0]->down());
    EXPECT_TRUE(g[1]->down()) << "grouped buttons keep their state on release";
    clickAt({80, 20});
    EXPECT_EQ(g[1]->down(), !allowAllUp) << "AllowAllUp " << allowAllUp;
    EXPECT_TRUE(elsewhere.down());
    for (TLbSpeedButton* b : g) b->setParent(nullptr);
    elsewhere.setParent(nullptr);
  }
}

TEST_F(SpeedButtonInput, UngroupedButtonClicksWhileDrawnDownAndComesUpAfter) {
  auto& b = addButton({10, 10, 110, 40});
  record(b);
  int paintsAtClick = -1;
  const auto onClick = b.onClick;
  b.onClick = [&](toolkit::Component& s) {
    paintsAtClick = paints();
    onClick(s);
  };
  panel.handleMouseMove({30, 20});
  events.clear();
  const int before = paints();
  clickAt({30, 20});
  EXPECT_EQ(paintsAtClick, before + 1) << "drawn pressed before the handler runs";
  EXPECT_FALSE(b.down());
  EXPECT_EQ(events,
            (std::vector<std::string>{"mousedown Button1 20,10", "click Button1 down", "mouseup Button1"}));
}

TEST_F(SpeedButtonInput, RightButtonDoesNotPressButItsReleaseBringsTheButtonUp) {
  auto& b = addButton({10, 10, 110, 40});
  record(b);
  press({30, 20}, MouseButton::kRight);
  EXPECT_FALSE(b.down());
  press({30, 20});
  release({30, 20}, MouseButton::kRight);
  EXPECT_FALSE(b.down()) << "up while the left button still holds it";
  release({30, 20});
  EXPECT_EQ(std::count(events.begin(), events.end(), "click Button1 up"), 1);
}

TEST_F(SpeedButtonInput, DoubleClickIsAnotherPressAndGivesTwoClicks) {
  auto& b = addButton({10, 10, 110, 40});
  record(b);
  clickAt({30, 20});
  panel.handleMouseDown(MouseButton::kLeft, 0, {30, 20}, true);
  EXPECT_TRUE(b.down());
  release({30, 20});
  EXPECT_EQ(std::count(events.begin(), events.end(), "click Button1 down"), 2);
}

TEST_F(SpeedButtonInput, DraggedOffStaysDownAndAReleaseOutsideDoesNotClick) {
  auto& b = addButton({10, 10, 110, 40});
  record(b);
  press({30, 20});
  panel.handleMouseMove(outside);
  EXPECT_TRUE(b.down());
  release(outside);
  EXPECT_FALSE(b.down());
  EXPECT_EQ(std::count_if(events.begin(), events.end(), [](auto& e) { return e.starts_with("click"); }), 0);
}

TEST_F(SpeedButtonInput, HotTrackingFollowsThePointerOnlyWhileReachable) {
  auto& b = addButton({10, 10, 110, 40});
  b.setColorStyle(lcsGold);
  record(b);
  graphics::Font hotFont;
  hotFont.name = "Arial";
  b.setHotTrackFont(hotFont);
  b.setUseHotTrackFont(true);
  panel.handleMouseMove({30, 20});
  EXPECT_TRUE(b.mouseInside());
  EXPECT_EQ(b.fadeStep(), 8);
  EXPECT_EQ(b.face().font, hotFont);
  panel.handleMouseMove(outside);
  EXPECT_FALSE(b.mouseInside());
  EXPECT_EQ(b.fadeStep(), 0);
  EXPECT_EQ(b.face().font, b.font());

  b.setEnabled(false);
  panel.handleMouseMove({30, 20});
  EXPECT_FALSE(b.mouseInside()) << "a disabled button does not become hot";
  b.setEnabled(true);  // under the pointer: hot only after leaving and coming back
  EXPECT_FALSE(b.mouseInside());
  panel.handleMouseMove(outside);
  panel.handleMouseMove({30, 20});
  EXPECT_TRUE(b.mouseInside());
  b.setEnabled(false);  // as the upgrade button does inside its own click
  EXPECT_TRUE(b.mouseInside()) << "stays hot until the pointer leaves";
  panel.handleMouseMove(outside);
  EXPECT_FALSE(b.mouseInside());
  EXPECT_EQ(events,
            (std::vector<std::string>{"enter Button1", "exit Button1", "exit Button1", "enter Button1"}));
}

TEST_F(SpeedButtonInput, NoHotTrackingOnAHiddenWindow) {
  toolkit::Form hidden{options()};
  toolkit::Panel hiddenPanel{hidden, {0, 0, 300, 200}, 0};
  auto& b = addButton({10, 10, 110, 40}, &hiddenPanel);
  b.setTransparent(true);
  record(b);
  hiddenPanel.handleMouseMove({30, 20});
  hiddenPanel.handleMouseMove(outside);
  EXPECT_FALSE(b.mouseInside());
  EXPECT_TRUE(events.empty());
}

TEST_F(SpeedButtonInput, ARunningClickTakesNoFurtherInputOnItsButtonButOthersStayLive) {
  auto& b = addButton({10, 10, 110, 40});
  auto& other = addButton({150, 10, 250, 40});
  record(b);
  record(other);
  int depth = 0;
  b.onClick = [&](toolkit::Component&) {
    events.push_back("click " + std::string(b.down() ? "down" : "up"));
    if (++depth > 1) return;
    // What a modal dialog's loop would deliver from the queue meanwhile.
    panel.handleMouseDown(MouseButton::kLeft, 0, {30, 20}, false);
    release({30, 20});
    panel.handleMouseDown(MouseButton::kLeft, 0, {30, 20}, true);
    release({30, 20});
    b.click();
    EXPECT_TRUE(b.down()) << "no release step reached it";
    clickAt({170, 20});
  };
  clickAt({30, 20});
  EXPECT_EQ(depth, 1);
  EXPECT_FALSE(b.down());
  std::erase_if(events, [](const std::string& e) { return e.starts_with("enter") || e.starts_with("exit"); });
  EXPECT_EQ(events,
            (std::vector<std::string>{"mousedown Button1 20,10", "click down", "mousedown Button2 20,10",
                                      "click Button2 down", "mouseup Button2", "mouseup Button1"}));
  events.clear();
  clickAt({30, 20});
  EXPECT_EQ(depth, 2) << "live again once the handler has returned";
}

TEST_F(SpeedButtonInput, AFailingHandlerIsReportedAndTheButtonStillComesUp) {
  toolkit::application::setTitle("UpTK294Q");
  auto& b = addButton({10, 10, 110, 40});
  b.onMouseEnter = [](toolkit::Component&) { throw std::runtime_error("enter failed"); };
  b.onClick = [](toolkit::Component&) { throw std::runtime_error("click failed"); };
  press({30, 20});
  release({30, 20});
  EXPECT_FALSE(b.down());
  ASSERT_EQ(toolkit::headless::shownBoxes().size(), 2u);
  EXPECT_EQ(toolkit::headless::shownBoxes()[0].text, "enter failed.");
  EXPECT_EQ(toolkit::headless::shownBoxes()[1].text, "click failed.");
}

}  // namespace
}  // namespace widgets::testing
