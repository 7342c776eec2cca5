// The speed button with a popup menu: where the menu drops down, what comes first, and the menu
// and the button going in either order.
#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "testing/speed_button_fixture.h"
#include "toolkit/application.h"
#include "toolkit/headless/in_process_driver.h"
#include "toolkit/popup_menu.h"

namespace widgets::testing {
namespace {

using toolkit::headless::shownMenus;

class SpeedButtonPopup : public SpeedButtonTest {
 protected:
  void SetUp() override {
    SpeedButtonTest::SetUp();
    menu.addItem("&Red", note("red"));
    menu.addItem("-");
    menu.addItem("&Green", note("green")).setChecked(true);
    menu.addItem("Gray", note("gray")).setEnabled(false);
    button.setName("Colours");
    button.setParent(&panel);
    button.setBounds({40, 60, 140, 90});
    button.setPopupMenu(&menu);
    button.onClick = note("click");
  }
  toolkit::NotifyEvent note(std::string what) {
    return [this, what](toolkit::Component&) { events.push_back(what); };
  }
  void choose(std::optional<std::size_t> entry) {
    toolkit::headless::setMenuChooser([this, entry](const toolkit::headless::ShownMenu&) {
      events.push_back("menu open");
      return entry;
    });
  }
  void clickButton() {
    panel.handleMouseDown(toolkit::MouseButton::kLeft, 0, {50, 70}, false);
    panel.handleMouseUp(toolkit::MouseButton::kLeft, 0, {50, 70});
  }

  std::vector<std::string> events;
  toolkit::PopupMenu menu{&form};
  TLbSpeedButton button{&form};
};

TEST_F(SpeedButtonPopup, DropsDownAtTheBottomLeftCornerOnScreenAndTheClickFollowsTheChosenEntry) {
  choose(2);
  clickButton();
  EXPECT_EQ(events, (std::vector<std::string>{"menu open", "green", "click"}));
  ASSERT_EQ(shownMenus().size(), 1u);
  const graphics::Rect window = form.screenBounds();
  EXPECT_EQ(shownMenus()[0].at.x, window.left + 40);
  EXPECT_EQ(shownMenus()[0].at.y, window.top + 90);
  EXPECT_EQ(shownMenus()[0].at, button.clientToScreen({0, button.height()}));
  const auto& e = shownMenus()[0].entries;
  ASSERT_EQ(e.size(), 4u);
  EXPECT_EQ(e[0].caption, "&Red");
  EXPECT_TRUE(e[1].separator);
  EXPECT_TRUE(e[2].checked);
  EXPECT_FALSE(e[0].checked);
  EXPECT_FALSE(e[3].enabled);
  EXPECT_TRUE(button.face().hasPopupMenu);
}

TEST_F(SpeedButtonPopup, DismissedSeparatorDisabledOrFailingEntriesStillLeadToTheClick) {
  toolkit::application::setTitle("UpTK294Q");
  menu.addItem("Broken", [](toolkit::Component&) { throw std::runtime_error("entry failed"); });
  for (const std::optional<std::size_t> entry :
       {std::optional<std::size_t>{}, std::optional<std::size_t>{1}, std::optional<std::size_t>{3},
        std::optional<std::size_t>{4}, std::optional<std::size_t>{99}}) {
    events.clear();
    choose(entry);
    button.click();
    EXPECT_EQ(events, (std::vector<std::string>{"menu open", "click"})) << (entry ? *entry : 0);
  }
  ASSERT_EQ(toolkit::headless::shownBoxes().size(), 1u);
  EXPECT_EQ(toolkit::headless::shownBoxes()[0].text, "entry failed.");
}

TEST_F(SpeedButtonPopup, ClicksWhileTheMenuIsOpenDoNotEnterTheButtonAgain) {
  int menus = 0;
  toolkit::headless::setMenuChooser([&](const toolkit::headless::ShownMenu&) -> std::optional<std::size_t> {
    if (++menus == 1) {
      clickButton();  // what the menu's loop may let through
      button.click();
    }
    return 0;
  });
  clickButton();
  EXPECT_EQ(menus, 1);
  EXPECT_EQ(events, (std::vector<std::string>{"red", "click"}));
  EXPECT_FALSE(button.down());
}

TEST_F(SpeedButtonPopup, TheMenuOrTheButtonMayGoFirst) {
  auto gone = std::make_unique<toolkit::PopupMenu>(&form);
  button.setPopupMenu(gone.get());
  const int before = invalidations();
  gone.reset();
  EXPECT_EQ(button.popupMenu(), nullptr);
  EXPECT_GT(invalidations(), before) << "the arrow goes";
  EXPECT_FALSE(button.face().hasPopupMenu);
  events.clear();
  button.click();
  EXPECT_EQ(events, std::vector<std::string>{"click"});
  EXPECT_EQ(shownMenus().size(), 0u);

  auto keeps = std::make_unique<toolkit::PopupMenu>(&form);
  {
    TLbSpeedButton shortLived(&form);
    shortLived.setPopupMenu(keeps.get());
    shortLived.setPopupMenu(&menu);
    shortLived.setPopupMenu(keeps.get());
  }
  keeps.reset();  // must not reach for the button that went before it
  button.setPopupMenu(nullptr);
  EXPECT_FALSE(button.face().hasPopupMenu);
}

}  // namespace
}  // namespace widgets::testing
