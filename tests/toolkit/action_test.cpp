// Actions, action lists and image lists: what a linked control takes from an action, and the
// links between them coming undone in either order.
#include "toolkit/action.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "testing/plain_control.h"
#include "toolkit/image_list.h"

namespace toolkit {
namespace {

using testing::PlainControl;

// Five 8 x 8 images on a white mask: image i is a square of colour 0x10 * (i + 1) in blue.
std::unique_ptr<graphics::Bitmap> fiveImageStrip() {
  auto strip = graphics::createBitmap(40, 8);
  graphics::Canvas& c = strip->canvas();
  c.setBrushColor(0x00FFFFFF);
  c.fillRect({0, 0, 40, 8});
  for (int i = 0; i < 5; ++i) {
    c.setBrushColor(static_cast<graphics::Color>(0x10 * (i + 1)) << 16);
    c.fillRect({8 * i + 2, 2, 8 * i + 6, 6});
  }
  return strip;
}

TEST(ImageList, CutsAStripAndDrawsOneImageSeeThrough) {
  Component owner(nullptr);
  ImageList images(&owner, 8, 8);
  EXPECT_EQ(images.addStrip(*fiveImageStrip()), 5);
  EXPECT_EQ(images.count(), 5);
  auto target = graphics::createBitmap(12, 12);
  target->canvas().setBrushColor(0x000000FF);
  target->canvas().fillRect({0, 0, 12, 12});
  images.draw(target->canvas(), 3, 3, 2);
  EXPECT_EQ(target->canvas().pixel(3 + 2, 3 + 2), 0x00300000u) << "image 2's own square";
  EXPECT_EQ(target->canvas().pixel(3 + 5, 3 + 5), 0x00300000u);
  EXPECT_EQ(target->canvas().pixel(3, 3), 0x000000FFu) << "the mask leaves the target alone";
  EXPECT_EQ(target->canvas().pixel(3 + 6, 3 + 6), 0x000000FFu) << "nothing of image 3";
  EXPECT_THROW(images.draw(target->canvas(), 0, 0, 5), std::out_of_range);
  EXPECT_THROW(images.draw(target->canvas(), 0, 0, -1), std::out_of_range);

  EXPECT_THROW(images.addStrip(*graphics::createBitmap(36, 8)), std::invalid_argument)
      << "not a whole number";
  EXPECT_THROW(images.addStrip(*graphics::createBitmap(40, 16)), std::invalid_argument) << "another height";
  EXPECT_EQ(images.count(), 5) << "a refused strip adds nothing";
  EXPECT_THROW(ImageList(&owner, 0, 8), std::invalid_argument);
}

TEST(Action, ALinkedControlTakesItsPropertiesFollowsItsChangesAndExecutesItOnClick) {
  Component owner(nullptr);
  Action action(&owner);
  action.setCaption("&Send");
  action.setHint("Sends it");
  std::vector<std::string> events;
  action.onExecute = [&](Component& sender) { events.push_back(&sender == &action ? "executed" : "?"); };
  action.onChange = [&](Component&) { events.push_back("changed"); };
  PlainControl control(&owner);
  control.setCaption("Old");
  control.setAction(&action);
  EXPECT_EQ(control.caption(), "&Send");
  EXPECT_EQ(control.hint(), "Sends it");
  EXPECT_EQ(action.clients(), std::vector<GraphicControl*>{&control});

  action.setEnabled(false);
  action.setVisible(false);
  action.setCaption("Se&nd now");
  EXPECT_FALSE(control.enabled());
  EXPECT_FALSE(control.visible());
  EXPECT_EQ(control.caption(), "Se&nd now");
  control.click();
  EXPECT_EQ(events, (std::vector<std::string>{"changed", "changed", "changed"}))
      << "a disabled action does not run";
  action.setEnabled(true);
  control.click();
  EXPECT_EQ(events.back(), "executed");
  control.onClick = [&](Component&) { events.push_back("own click"); };
  control.click();
  EXPECT_EQ(events.back(), "own click");

  control.setAction(nullptr);
  EXPECT_TRUE(action.clients().empty());
  action.setCaption("Gone");
  EXPECT_EQ(control.caption(), "Se&nd now") << "unlinked, it keeps what it took";
}

TEST(Action, OneBeingLoadedOnlyFillsInWhatTheControlLeftAtItsDefaults) {
  Component owner(nullptr);
  Action action(&owner);
  action.setCaption("From action");
  action.setHint("Action hint");
  action.setVisible(false);
  PlainControl named(&owner);
  named.setName("Button1");
  named.setCaption("Button1");  // a caption that is only the name counts as a default
  PlainControl own(&owner);
  own.setCaption("Mine");
  own.setHint("My hint");
  own.setEnabled(false);
  action.beginLoading();
  named.setAction(&action);
  own.setAction(&action);
  action.endLoading();
  EXPECT_EQ(named.caption(), "From action");
  EXPECT_EQ(named.hint(), "Action hint");
  EXPECT_FALSE(named.visible());
  EXPECT_EQ(own.caption(), "Mine");
  EXPECT_EQ(own.hint(), "My hint");
  EXPECT_FALSE(own.enabled()) << "the action's enabled state does not override the control's own";
}

TEST(Action, LinksComeUndoneWhicheverSideGoesFirst) {
  Component owner(nullptr);
  auto images = std::make_unique<ImageList>(&owner, 8, 8);
  auto list = std::make_unique<ActionList>(&owner);
  auto action = std::make_unique<Action>(&owner);
  auto control = std::make_unique<PlainControl>(&owner);
  list->setImages(images.get());
  action->setActionList(list.get());
  control->setAction(action.get());
  EXPECT_EQ(list->actions(), std::vector<Action*>{action.get()});

  images.reset();
  EXPECT_EQ(list->images(), nullptr);
  control.reset();
  EXPECT_TRUE(action->clients().empty());
  action->setCaption("told no one");  // must not reach for the control

  auto second = std::make_unique<PlainControl>(&owner);
  second->setAction(action.get());
  list.reset();
  EXPECT_EQ(action->actionList(), nullptr);
  action.reset();
  EXPECT_EQ(second->action(), nullptr);
  second->click();  // nothing to execute any more

  ActionList kept(&owner);
  {
    Action shortLived(&owner);
    shortLived.setActionList(&kept);
  }
  EXPECT_TRUE(kept.actions().empty());
}

}  // namespace
}  // namespace toolkit
