// The group pass of the speed button: which buttons a write of Down releases, and that it ends
// when more than one button of a group is down.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "testing/named_cases.h"
#include "testing/speed_button_fixture.h"
#include "toolkit/headless/in_process_driver.h"

namespace widgets::testing {
namespace {

// Five buttons A to E on the panel, in this order, and F on another panel.
constexpr char kNames[] = "ABCDEF";
constexpr int kGroups[] = {1, 1, 1, 2, 0, 1};

struct GroupCase : test_support::NamedCase {
  const char* downBefore;  // given before the groups, so that several of one group can be down
  std::function<void(std::vector<TLbSpeedButton*>& b, toolkit::ControlHost& panel)> act;
  const char* downAfter;
  const char* changed;          // the buttons that the accessibility tree heard of, in order
  int paintsBeyondChanges = 0;  // an accelerator also paints at once before and after its click
};

class SpeedButtonGroup : public SpeedButtonTest, public ::testing::WithParamInterface<GroupCase> {
 protected:
  std::string downNames() const {
    std::string names;
    for (std::size_t i = 0; i < buttons.size(); ++i)
      if (buttons[i]->down()) names += kNames[i];
    return names;
  }

  toolkit::Panel otherPanel{form, {0, 0, 300, 200}, 0};
  std::vector<TLbSpeedButton*> buttons;
};

TEST_P(SpeedButtonGroup, AWriteOfDownReleasesExactlyTheOthersOfItsGroupUnderItsParent) {
  const GroupCase& c = GetParam();
  for (int i = 0; i < 6; ++i) {
    TLbSpeedButton& b =
        addButton({10 + 48 * (i % 5), 10, 50 + 48 * (i % 5), 40}, i == 5 ? &otherPanel : nullptr);
    b.setCaption(std::string("&") + kNames[i]);
    b.setDown(std::string(c.downBefore).find(kNames[i]) != std::string::npos);
    b.setGroupIndex(kGroups[i]);
    buttons.push_back(&b);
  }
  toolkit::headless::takeAccessibleEvents(panel);
  toolkit::headless::takeAccessibleEvents(otherPanel);
  const int paintsBefore = paints();

  c.act(buttons, panel);

  EXPECT_EQ(downNames(), c.downAfter);
  std::string changed;
  for (const auto& e : toolkit::headless::takeAccessibleEvents(panel)) {
    if (e.change == toolkit::AccessibleChange::kState) changed += kNames[e.childId - 1];
  }
  if (!toolkit::headless::takeAccessibleEvents(otherPanel).empty()) changed += 'F';
  EXPECT_EQ(changed, c.changed);
  // Not transparent: each change is one repaint at once.
  EXPECT_EQ(paints() - paintsBefore, static_cast<int>(changed.size()) + c.paintsBeyondChanges);
  EXPECT_TRUE(toolkit::headless::shownBoxes().empty());
}

using Buttons = std::vector<TLbSpeedButton*>;
INSTANTIATE_TEST_SUITE_P(
    Writes, SpeedButtonGroup,
    ::testing::Values(GroupCase{"TrueReleasesTheOneDownOfItsGroupOnly", "ADEF",
                                [](Buttons& b, toolkit::ControlHost&) { b[1]->setDown(true); }, "BDEF", "AB"},
                      GroupCase{"FalseReleasesTheOthersOfItsGroup", "AB",
                                [](Buttons& b, toolkit::ControlHost&) { b[0]->setDown(false); }, "", "BA"},
                      GroupCase{"FalseOnTheOnlyOneDownReleasesItAlone", "ADE",
                                [](Buttons& b, toolkit::ControlHost&) { b[0]->setDown(false); }, "DE", "A"},
                      GroupCase{"AnEqualValueChangesNothing", "AB",
                                [](Buttons& b, toolkit::ControlHost&) { b[0]->setDown(true); }, "AB", ""},
                      GroupCase{"TrueOnAThirdReleasesBothThatWereDown", "AB",
                                [](Buttons& b, toolkit::ControlHost&) { b[2]->setDown(true); }, "C", "ABC"},
                      GroupCase{"ALeftPressOnAThirdReleasesBoth", "AB",
                                [](Buttons&, toolkit::ControlHost& panel) {
                                  panel.handleMouseDown(toolkit::MouseButton::kLeft, 0, {120, 20}, false);
                                  panel.handleMouseUp(toolkit::MouseButton::kLeft, 0, {120, 20});
                                },
                                "C", "CABC"},  // hot first
                      GroupCase{"TheAcceleratorOfAThirdReleasesBothAndItComesBackUp", "AB",
                                [](Buttons& b, toolkit::ControlHost&) { EXPECT_TRUE(b[2]->dialogChar('c')); },
                                "", "ABCC", 2},
                      GroupCase{"AnotherGroupIsNeverTouched", "AB",
                                [](Buttons& b, toolkit::ControlHost&) { b[3]->setDown(true); }, "ABD", "D"},
                      GroupCase{"AButtonWithoutAGroupTouchesNobody", "A",
                                [](Buttons& b, toolkit::ControlHost&) { b[4]->setDown(true); }, "AE", "E"},
                      GroupCase{"AGroupUnderAnotherParentIsNeverTouched", "AF",
                                [](Buttons& b, toolkit::ControlHost&) { b[1]->setDown(true); }, "BF", "AB"}),
    test_support::ByCaseName{});

}  // namespace
}  // namespace widgets::testing
