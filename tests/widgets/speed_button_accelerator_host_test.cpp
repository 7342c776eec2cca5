// The caption's accelerator of the speed button, and how typed characters reach it.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "testing/speed_button_fixture.h"
#include "toolkit/application.h"
#include "toolkit/headless/in_process_driver.h"
#include "toolkit/log_box.h"

namespace widgets::testing {
namespace {

class SpeedButtonAccelerator : public SpeedButtonTest {
 protected:
  TLbSpeedButton& closeButton() {
    auto& b = addButton({10, 10, 110, 40});
    b.setCaption("&Close");
    b.onClick = [this, &b](toolkit::Component&) {
      clicks.push_back(std::string(b.down() ? "down" : "up") + " after " + std::to_string(paints()));
    };
    return b;
  }
  bool type(char c, bool withAlt = false) { return toolkit::headless::typeChar(form, c, withAlt); }

  std::vector<std::string> clicks;
};

TEST_F(SpeedButtonAccelerator, ItsLetterInEitherCaseClicksItDrawnDownAndConsumes) {
  auto& b = closeButton();
  for (const char c : {'c', 'C'}) {
    clicks.clear();
    const int before = paints();
    EXPECT_TRUE(b.dialogChar(c)) << c;
    // Down written (one repaint) and painted once more, then the click; the same again after it.
    EXPECT_EQ(clicks, std::vector<std::string>{"down after " + std::to_string(before + 2)}) << c;
    EXPECT_EQ(paints(), before + 4) << c;
    EXPECT_FALSE(b.down()) << c;
  }
  EXPECT_FALSE(b.dialogChar('l'));
  EXPECT_EQ(clicks.size(), 1u);

  // Typed again while its click runs (a modal dialog's loop lets it through): taken, no second click.
  int depth = 0;
  b.onClick = [&](toolkit::Component&) {
    ++depth;
    EXPECT_TRUE(b.dialogChar('c'));
    EXPECT_TRUE(b.down());
  };
  EXPECT_TRUE(b.dialogChar('c'));
  EXPECT_EQ(depth, 1);
  EXPECT_FALSE(b.down());
}

TEST_F(SpeedButtonAccelerator, NoAcceleratorOrAnUnreachableButtonPassesTheCharacterOn) {
  auto& literal = addButton({10, 50, 110, 80});
  literal.setCaption("Save && Close");
  EXPECT_FALSE(literal.dialogChar('c'));
  EXPECT_FALSE(literal.dialogChar('&'));

  auto& b = closeButton();
  b.setEnabled(false);
  EXPECT_FALSE(b.dialogChar('c')) << "disabled";
  b.setEnabled(true);
  b.setVisible(false);
  EXPECT_FALSE(b.dialogChar('c')) << "hidden";
  b.setVisible(true);
  toolkit::Form hiddenForm{options()};
  toolkit::Panel hiddenPanel{hiddenForm, {0, 0, 300, 200}, 0};
  b.setParent(&hiddenPanel);
  EXPECT_FALSE(b.dialogChar('c')) << "on a window that is not shown";
  b.setParent(nullptr);
  EXPECT_FALSE(b.dialogChar('c')) << "without a parent";
  EXPECT_TRUE(clicks.empty());
  EXPECT_FALSE(b.down());
}

TEST_F(SpeedButtonAccelerator, AGroupedButtonReleasesTheOthersAndReturnsToItsOwnState) {
  std::vector<TLbSpeedButton*> group;
  for (int i = 0; i < 3; ++i) {
    group.push_back(&addButton({10 + 60 * i, 10, 60 + 60 * i, 40}));
    group.back()->setGroupIndex(1);
  }
  group[1]->setCaption("&Two");
  bool downInClick = false;
  group[1]->onClick = [&](toolkit::Component&) { downInClick = group[1]->down(); };

  group[0]->setDown(true);
  EXPECT_TRUE(group[1]->dialogChar('t'));
  EXPECT_TRUE(downInClick);
  EXPECT_FALSE(group[0]->down()) << "released by the press";
  EXPECT_FALSE(group[1]->down()) << "back to its former state";

  group[1]->setDown(true);
  downInClick = false;
  EXPECT_TRUE(group[1]->dialogChar('T'));
  EXPECT_TRUE(downInClick);
  EXPECT_TRUE(group[1]->down());
}

TEST_F(SpeedButtonAccelerator, AFailingClickIsReportedTakenAndTheButtonComesBackUp) {
  toolkit::application::setTitle("UpTK294Q");
  auto& b = closeButton();
  b.onClick = [](toolkit::Component&) { throw std::runtime_error("click failed"); };
  EXPECT_TRUE(type('c'));
  EXPECT_FALSE(b.down());
  ASSERT_EQ(toolkit::headless::shownBoxes().size(), 1u);
  EXPECT_EQ(toolkit::headless::shownBoxes()[0].text, "click failed.");
}

TEST_F(SpeedButtonAccelerator, TypedCharactersReachEveryHostOfTheWindowFirstTakerWins) {
  toolkit::Panel second{form, {0, 100, 300, 200}, 0};
  auto& onSecond = addButton({10, 10, 110, 40}, &second);
  onSecond.setCaption("&Open");
  int opened = 0;
  onSecond.onClick = [&](toolkit::Component&) { ++opened; };
  auto& close = closeButton();
  auto& alsoC = addButton({10, 10, 110, 40}, &second);
  alsoC.setCaption("&Cancel");
  int cancelled = 0;
  alsoC.onClick = [&](toolkit::Component&) { ++cancelled; };

  EXPECT_TRUE(type('o'));
  EXPECT_EQ(opened, 1);
  EXPECT_TRUE(type('C', true));
  EXPECT_EQ(clicks.size(), 1u) << "the first host's button";
  EXPECT_EQ(cancelled, 0);
  close.setEnabled(false);
  EXPECT_TRUE(type('c'));
  EXPECT_EQ(cancelled, 1) << "passed on to the next one that answers";
  EXPECT_FALSE(type('x'));
}

TEST_F(SpeedButtonAccelerator, ATextBoxWithTheFocusKeepsPlainCharactersOnlyAltReachesTheButtons) {
  closeButton();
  toolkit::LogBox log{panel, {10, 100, 290, 190}, 0x00FFFFFF, {}};
  EXPECT_TRUE(type('c')) << "as in a dialog: nothing takes typed characters";
  log.focus();
  EXPECT_FALSE(type('c'));
  EXPECT_FALSE(type('C'));
  EXPECT_EQ(clicks.size(), 1u);
  EXPECT_TRUE(type('c', true));
  EXPECT_EQ(clicks.size(), 2u);
}

}  // namespace
}  // namespace widgets::testing
