// What assistive technology is told without asking: the hot state, moves, showing and hiding,
// and the renumbering when a control leaves its host. And a press that a client asks for while
// a modal dialog disables the window.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "testing/speed_button_fixture.h"
#include "toolkit/accessibility.h"
#include "toolkit/headless/in_process_driver.h"
#include "toolkit/message_dialog.h"

namespace widgets::testing {
namespace {

namespace state = toolkit::accessible_state;
using toolkit::AccessibleChange;
using toolkit::headless::AccessibleEvent;
using Events = std::vector<AccessibleEvent>;

class SpeedButtonAccessibleChanges : public SpeedButtonTest {
 protected:
  Events events() { return toolkit::headless::takeAccessibleEvents(panel); }
};

TEST_F(SpeedButtonAccessibleChanges, EachChangeIsToldOnceForTheControlOrForTheHostWhenItRenumbers) {
  toolkit::Panel other{form, {0, 0, 300, 200}, 0};
  const struct {
    const char* what;
    std::function<void(TLbSpeedButton& a, TLbSpeedButton& b, TLbSpeedButton& c)> act;
    Events told;
  } cases[] = {
      {"the pointer enters and leaves the second",
       [&](auto&, auto&, auto&) {
         panel.handleMouseMove({130, 20});
         panel.handleMouseMove({290, 190});
       },
       {{2, AccessibleChange::kState}, {2, AccessibleChange::kState}}},
      {"the pointer crosses a disabled one",
       [&](auto&, auto& b, auto&) {
         b.setEnabled(false);
         events();
         panel.handleMouseMove({130, 20});
         panel.handleMouseMove({290, 190});
       },
       {}},
      {"the pointer moves within one",
       [&](auto&, auto&, auto&) {
         panel.handleMouseMove({130, 20});
         events();
         panel.handleMouseMove({140, 25});
       },
       {}},
      {"moved",
       [](auto&, auto& b, auto&) {
         b.setBounds({110, 50, 210, 80});
       },
       {{2, AccessibleChange::kLocation}}},
      {"resized", [](auto&, auto& b, auto&) { b.setWidth(60); }, {{2, AccessibleChange::kLocation}}},
      {"placed where it is", [](auto&, auto& b, auto&) { b.setBounds(b.bounds()); }, {}},
      {"hidden and shown",
       [](auto&, auto& b, auto&) {
         b.setVisible(false);
         b.setVisible(false);
         b.setVisible(true);
       },
       {{2, AccessibleChange::kState},
        {2, AccessibleChange::kHidden},
        {2, AccessibleChange::kState},
        {2, AccessibleChange::kShown}}},
      {"the first leaves",
       [](auto& a, auto&, auto&) { a.setParent(nullptr); },
       {{0, AccessibleChange::kReorder}}},
      {"the middle one moves to another host",
       [&](auto&, auto& b, auto&) { b.setParent(&other); },
       {{0, AccessibleChange::kReorder}}},
      {"the last leaves: no number changes", [](auto&, auto&, auto& c) { c.setParent(nullptr); }, {}},
  };
  for (const auto& c : cases) {
    TLbSpeedButton* const buttons[] = {&addButton({10, 10, 110, 40}), &addButton({120, 10, 220, 40}),
                                       &addButton({230, 10, 290, 40})};
    events();
    c.act(*buttons[0], *buttons[1], *buttons[2]);
    EXPECT_EQ(events(), c.told) << c.what;
    panel.handleMouseMove({290, 190});
    for (TLbSpeedButton* b : buttons) b->setParent(nullptr);
  }

  // Destroyed while another follows it: the same renumbering.
  const auto& doomed = addButton({10, 10, 110, 40});
  auto& last = addButton({120, 10, 220, 40});
  events();
  form.freeComponent(doomed);
  EXPECT_EQ(events(), (Events{{0, AccessibleChange::kReorder}}));
  EXPECT_EQ(toolkit::accessibleChildId(panel, last), 1);
}

TEST_F(SpeedButtonAccessibleChanges, APressAskedForBehindAModalDialogIsRefusedAndOnePostedBeforeItIsDropped) {
  auto& upgrade = addButton({10, 10, 110, 40});
  auto& close = addButton({120, 10, 220, 40});
  std::vector<std::string> clicks;
  upgrade.onClick = [&](toolkit::Component&) {
    clicks.push_back("upgrade");
    toolkit::showMessageDialog("Ralvento a fost actualizata la versiunea 2.63.",
                               toolkit::DialogKind::kInformation);
  };
  close.onClick = [&](toolkit::Component&) { clicks.push_back("close"); };

  // While the dialog is open: the window's buttons read as unavailable and refuse a press; the
  // dialog's own loop runs what was posted before it opened, and that press is dropped too.
  std::vector<std::string> whileOpen;
  toolkit::headless::setBoxObserver([&](const toolkit::headless::ShownBox&) {
    whileOpen.push_back("close state " + std::to_string(toolkit::accessibleState(close)));
    whileOpen.push_back(toolkit::doAccessibleDefaultAction(close) ? "press taken" : "press refused");
    panel.runPosted();
  });
  ASSERT_TRUE(toolkit::doAccessibleDefaultAction(upgrade));
  ASSERT_TRUE(toolkit::doAccessibleDefaultAction(close));
  panel.runPosted();
  EXPECT_EQ(clicks, std::vector<std::string>{"upgrade"});
  EXPECT_EQ(whileOpen, (std::vector<std::string>{"close state " + std::to_string(state::kUnavailable),
                                                 "press refused"}));

  // Once it is closed, the window takes presses again.
  toolkit::headless::setBoxObserver(nullptr);
  EXPECT_EQ(toolkit::accessibleState(close), 0u);
  ASSERT_TRUE(toolkit::doAccessibleDefaultAction(close));
  panel.runPosted();
  EXPECT_EQ(clicks, (std::vector<std::string>{"upgrade", "close"}));
}

}  // namespace
}  // namespace widgets::testing
