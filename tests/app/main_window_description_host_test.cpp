// The main window as its description builds it: the settings of its tables, in parent order,
// and storing the loaded window gives the carried description back.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/build_constants.h"
#include "app/unit1.h"
#include "description/description_writer.h"
#include "platform/headless/registry.h"
#include "testing/main_window_fixture.h"
#include "toolkit/headless/in_process_driver.h"

namespace app {
namespace {

using MainWindowDescription = testing::MainWindowTest;

TEST_F(MainWindowDescription, StoringTheLoadedWindowGivesItsDescriptionBack) {
  // The writer stores exactly what differs from the defaults, so the carried text holds nothing
  // else and nothing is missing from it.
  EXPECT_EQ(description::storeDescription(window, TForm1::classes()), TForm1::description());
}

TEST_F(MainWindowDescription, TheControlsSitInParentOrderWithTheirSettings) {
  std::vector<std::string> owned;
  for (const auto& c : window.ownedComponents()) owned.push_back(c->name());
  EXPECT_EQ(owned, (std::vector<std::string>{"Panel1", "LbSpeedButton1", "Button2", "Memo1", "Timer1"}));
  EXPECT_EQ(window.caption(), kTargetTitle);
  EXPECT_EQ(window.options().iconResource, "MAINICON");
  EXPECT_EQ(window.Panel1.parent(), &window);
  EXPECT_EQ(window.Memo1.parent(), &window.Panel1);
  EXPECT_EQ(window.Memo1.bounds(), (graphics::Rect{16, 16, 409, 113}));
  EXPECT_EQ(window.Memo1.color(), 0x00AFE7E6u);
  ASSERT_EQ(window.Panel1.controls().size(), 2u);
  EXPECT_EQ(window.Panel1.controls()[0], &window.LbSpeedButton1);
  EXPECT_EQ(window.Panel1.controls()[1], &window.Button2);

  graphics::Font buttonFont;
  buttonFont.style = graphics::kFontBold;
  buttonFont.color = 0x00005555;
  for (const widgets::TLbSpeedButton* b : {&window.LbSpeedButton1, &window.Button2}) {
    SCOPED_TRACE(b->name());
    EXPECT_EQ(b->style(), widgets::bsModern);
    EXPECT_EQ(b->color(), 0x0000C0C0u);
    EXPECT_FALSE(b->parentColor());
    EXPECT_EQ(b->hotTrackColor(), 0x0000DFDFu);
    EXPECT_EQ(b->lightColor(), widgets::clYellow);
    EXPECT_EQ(b->shadowColor(), widgets::clOlive);
    EXPECT_EQ(b->alignment(), widgets::taCenter);
    EXPECT_EQ(b->font(), buttonFont);
    EXPECT_FALSE(b->parentFont());
    EXPECT_EQ(b->hotTrackFont(), graphics::Font{}) << "the form's font, which is the toolkit's";
    EXPECT_FALSE(b->useHotTrackFont() || b->slowDecease() || b->transparent() || b->flat());
    EXPECT_FALSE(b->loading());
  }
}

}  // namespace
}  // namespace app
