// How assistive technology sees the speed buttons of a window: the tree, each property, the
// default action and the change notifications.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "testing/speed_button_fixture.h"
#include "toolkit/accessibility.h"
#include "toolkit/headless/in_process_driver.h"

namespace widgets::testing {
namespace {

namespace state = toolkit::accessible_state;
using toolkit::AccessibleChange;
using toolkit::headless::AccessibleEvent;

class SpeedButtonAccessibility : public SpeedButtonTest {
 protected:
  // Where a point of the panel is on the screen.
  graphics::Point onScreen(int x, int y) const { return panel.clientToScreen({x, y}); }
  std::vector<AccessibleEvent> events() { return toolkit::headless::takeAccessibleEvents(panel); }
};

// A control of the base class: no role of a button, no default action.
class Picture : public toolkit::GraphicControl {
 public:
  using GraphicControl::GraphicControl;
  void paint(graphics::Canvas&) override {}
};

TEST_F(SpeedButtonAccessibility, TheTreeIsTheHostsControlsInItsOrderHiddenOnesIncluded) {
  auto& first = addButton({10, 10, 110, 40});
  auto& hidden = addButton({10, 50, 110, 80});
  auto& last = addButton({120, 10, 220, 40});
  hidden.setVisible(false);
  EXPECT_EQ(toolkit::accessibleChild(panel, 1), &first);
  EXPECT_EQ(toolkit::accessibleChild(panel, 2), &hidden);
  EXPECT_EQ(toolkit::accessibleChild(panel, 3), &last);
  for (const int outside : {0, -1, 4})
    EXPECT_EQ(toolkit::accessibleChild(panel, outside), nullptr) << outside;
  EXPECT_EQ(toolkit::accessibleChildId(panel, last), 3);

  // Moved to another host, a control leaves this tree and the numbers after it close up.
  toolkit::Panel other{form, {0, 0, 50, 50}, 0};
  first.setParent(&other);
  EXPECT_EQ(toolkit::accessibleChildId(panel, first), 0);
  EXPECT_EQ(toolkit::accessibleChildId(other, first), 1);
  EXPECT_EQ(toolkit::accessibleChild(panel, 2), &last);
}

TEST_F(SpeedButtonAccessibility, StatesRoleLocationAndDefaultActionOfEachKindOfButton) {
  const struct {
    const char* kind;
    bool enabled, down, hot, visible;
    unsigned states;
  } cases[] = {
      {"enabled", true, false, false, true, 0},
      {"disabled", false, false, false, true, state::kUnavailable},
      {"down", true, true, false, true, state::kPressed},
      {"hot", true, false, true, true, state::kHot},
      {"down and hot", true, true, true, true, state::kPressed | state::kHot},
      {"hidden", true, false, false, false, state::kInvisible},
      {"disabled and down", false, true, false, true, state::kUnavailable | state::kPressed},
  };
  for (const auto& c : cases) {
    auto& b = addButton({20, 30, 128, 61});
    b.setDown(c.down);
    if (c.hot) b.mouseEnter();
    b.setEnabled(c.enabled);
    b.setVisible(c.visible);
    EXPECT_EQ(toolkit::accessibleState(b), c.states) << c.kind;
    EXPECT_EQ(b.accessibleRole(), toolkit::AccessibleRole::kPushButton) << c.kind;
    EXPECT_EQ(toolkit::accessibleDefaultAction(b), "Press") << c.kind;
    const graphics::Point origin = onScreen(20, 30);
    EXPECT_EQ(toolkit::accessibleLocation(b),
              (graphics::Rect{origin.x, origin.y, origin.x + 108, origin.y + 31}))
        << c.kind;
    b.setParent(nullptr);
  }
  // The hot state follows the pointer out again.
  auto& b = addButton({20, 30, 128, 61});
  b.mouseEnter();
  b.mouseLeave();
  EXPECT_EQ(toolkit::accessibleState(b), 0u);

  auto& picture = form.own<Picture>();
  picture.setParent(&panel);
  EXPECT_EQ(picture.accessibleRole(), toolkit::AccessibleRole::kGraphic);
  EXPECT_EQ(toolkit::accessibleDefaultAction(picture), "");
  EXPECT_FALSE(toolkit::doAccessibleDefaultAction(picture));
  EXPECT_EQ(toolkit::headless::postedRunRequests(panel), 0);
}

TEST_F(SpeedButtonAccessibility, NameAndShortcutReadTheCaptionByItsAcceleratorRule) {
  const struct {
    const char* caption;
    const char* name;
    const char* shortcut;
  } cases[] = {
      {"&Close", "Close", "Alt+C"},
      {"E&xit", "Exit", "Alt+X"},
      {"Save && Close", "Save & Close", ""},
      {"&&&Save", "&Save", "Alt+S"},
      {"R&&&D", "R&D", "Alt+D"},
      {"&One &Two", "One Two", "Alt+T"},
      {"Close&", "Close&", ""},
      {"&1st", "1st", "Alt+1"},
      {"&\xE9t\xE9", "\xE9t\xE9", "Alt+\xE9"},
      {"Actualizare la versiunea 2.63", "Actualizare la versiunea 2.63", ""},
      {"", "", ""},
  };
  auto& b = addButton({10, 10, 110, 40});
  for (const auto& c : cases) {
    b.setCaption(c.caption);
    EXPECT_EQ(toolkit::accessibleName(b), c.name) << '"' << c.caption << '"';
    EXPECT_EQ(toolkit::accessibleShortcut(b), c.shortcut) << '"' << c.caption << '"';
  }

  // An ampersand that is the second byte of a double-byte character is part of it.
  platform::headless::setAnsiCodePage(932);
  b.setCaption("\x83&B&\x83\x41");
  EXPECT_EQ(toolkit::accessibleName(b), "\x83&B\x83\x41");
  EXPECT_EQ(toolkit::accessibleShortcut(b), "Alt+\x83\x41");

  b.setHint("Ends the program");
  EXPECT_EQ(toolkit::accessibleDescription(b), "Ends the program");
}

TEST_F(SpeedButtonAccessibility, HitTestingFindsTheTopmostShownButtonEnabledOrNot) {
  auto& under = addButton({10, 10, 110, 40});
  auto& over = addButton({60, 10, 160, 40});
  auto& hidden = addButton({10, 50, 110, 80});
  auto& disabled = addButton({170, 10, 270, 40});
  hidden.setVisible(false);
  disabled.setEnabled(false);
  const struct {
    int x, y;
    const toolkit::GraphicControl* found;
  } cases[] = {
      {10, 10, &under},  {59, 39, &under},     {60, 10, &over}, {159, 39, &over},   {160, 10, nullptr},
      {20, 60, nullptr}, {170, 20, &disabled}, {5, 5, nullptr}, {110, 45, nullptr},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(toolkit::accessibleChildAt(panel, onScreen(c.x, c.y)), c.found) << c.x << ", " << c.y;
  }
}

TEST_F(SpeedButtonAccessibility, PressIsPostedThenClicksExactlyAsTheAccelerator) {
  auto& b = addButton({10, 10, 110, 40});
  b.setCaption("&Close");
  // Each click: drawn down or not, and the repaints since the press began.
  std::vector<std::string> clicks;
  int before = 0;
  b.onClick = [&](toolkit::Component&) {
    clicks.push_back(std::string(b.down() ? "down" : "up") + " after " + std::to_string(paints() - before));
  };

  // What the accelerator does, as the reference.
  before = paints();
  ASSERT_TRUE(b.dialogChar('c'));
  const std::vector<std::string> acceleratorClicks = clicks;
  const int acceleratorPaints = paints() - before;
  clicks.clear();

  before = paints();
  ASSERT_TRUE(toolkit::doAccessibleDefaultAction(b));
  EXPECT_TRUE(clicks.empty()) << "the call returns before the click";
  EXPECT_EQ(paints(), before);
  EXPECT_EQ(toolkit::headless::postedRunRequests(panel), 1);
  panel.runPosted();
  EXPECT_EQ(clicks, acceleratorClicks);
  EXPECT_EQ(paints() - before, acceleratorPaints);
  EXPECT_FALSE(b.down());
  panel.runPosted();
  EXPECT_EQ(clicks.size(), 1u) << "posted once, run once";

  // A latched button of a group comes back to its former state too.
  b.setGroupIndex(1);
  b.setDown(true);
  ASSERT_TRUE(toolkit::doAccessibleDefaultAction(b));
  panel.runPosted();
  EXPECT_EQ(clicks.size(), 2u);
  EXPECT_TRUE(b.down());
}

TEST_F(SpeedButtonAccessibility, PressIsRefusedWhileDisabledOrHiddenAndDroppedWhenItCannotRun) {
  auto& b = addButton({10, 10, 110, 40});
  int clicks = 0;
  b.onClick = [&](toolkit::Component&) { ++clicks; };

  b.setEnabled(false);
  EXPECT_FALSE(toolkit::doAccessibleDefaultAction(b));
  b.setEnabled(true);
  b.setVisible(false);
  EXPECT_FALSE(toolkit::doAccessibleDefaultAction(b));
  b.setVisible(true);
  EXPECT_EQ(toolkit::headless::postedRunRequests(panel), 0);

  // Disabled after the request, before its turn: the press itself refuses.
  ASSERT_TRUE(toolkit::doAccessibleDefaultAction(b));
  b.setEnabled(false);
  panel.runPosted();
  EXPECT_EQ(clicks, 0);
  b.setEnabled(true);

  // Moved to another host before its turn: the request went with the old one.
  toolkit::Panel other{form, {0, 0, 50, 50}, 0};
  auto& moved = addButton({120, 10, 220, 40});
  moved.onClick = [&](toolkit::Component&) { ++clicks; };
  ASSERT_TRUE(toolkit::doAccessibleDefaultAction(moved));
  moved.setParent(&other);
  panel.runPosted();
  other.runPosted();
  EXPECT_EQ(clicks, 0);

  // Pressed again while its click runs (a dialog's loop runs posted work): the click guard holds.
  b.onClick = [&](toolkit::Component&) {
    ++clicks;
    EXPECT_TRUE(toolkit::doAccessibleDefaultAction(b));
    panel.runPosted();
  };
  ASSERT_TRUE(toolkit::doAccessibleDefaultAction(b));
  panel.runPosted();
  EXPECT_EQ(clicks, 1);
  EXPECT_FALSE(b.down());

  // A failing click is reported, and the button is not left drawn down.
  b.onClick = [](toolkit::Component&) { throw std::runtime_error("broken handler"); };
  ASSERT_TRUE(toolkit::doAccessibleDefaultAction(b));
  panel.runPosted();
  EXPECT_FALSE(b.down());
  ASSERT_EQ(toolkit::headless::shownBoxes().size(), 1u);
  EXPECT_EQ(toolkit::headless::shownBoxes()[0].text, "broken handler.");
}

TEST_F(SpeedButtonAccessibility, NameAndStateChangesAreToldWithTheChildNumber) {
  addButton({10, 10, 110, 40});
  auto& b = addButton({120, 10, 220, 40});
  events();
  b.setCaption("Actualizare la versiunea 2.63");
  b.setCaption("Actualizare la versiunea 2.63");
  EXPECT_EQ(events(), (std::vector<AccessibleEvent>{{2, AccessibleChange::kName}}))
      << "an equal caption tells nothing";
  b.setEnabled(false);
  b.setEnabled(false);
  b.setEnabled(true);
  EXPECT_EQ(events(),
            (std::vector<AccessibleEvent>{{2, AccessibleChange::kState}, {2, AccessibleChange::kState}}));
  b.setDown(true);
  b.setDown(true);
  b.setVisible(false);
  EXPECT_EQ(events(), (std::vector<AccessibleEvent>{{2, AccessibleChange::kState},
                                                    {2, AccessibleChange::kState},
                                                    {2, AccessibleChange::kHidden}}));

  // Without a parent nobody is told, and nothing fails.
  b.setParent(nullptr);
  b.setCaption("Inchide");
  b.setDown(false);
  EXPECT_TRUE(events().empty());
}

}  // namespace
}  // namespace widgets::testing
