// The main window opened on screens of other densities: each 96-dpi size and font height of its
// description shown at the screen's density, and the description stored as it was given.
#include <gtest/gtest.h>

#include <memory>

#include "app/unit1.h"
#include "description/description_writer.h"
#include "platform/headless/registry.h"
#include "testing/named_cases.h"
#include "toolkit/application.h"
#include "toolkit/headless/in_process_driver.h"

namespace app {
namespace {

using graphics::Rect;
using graphics::Size;

struct Layout : test_support::NamedCase {
  int dpi;
  Size client;
  Rect panel;                 // on the form
  Rect memo, close, upgrade;  // on the panel
  int fontHeight;
  Rect margin;  // the see-through band around the panel: left, top, right, bottom
};

const Layout kLayouts[] = {
    {{"At96"},
     96,
     {441, 179},
     {8, 8, 433, 169},
     {16, 16, 409, 113},
     {300, 120, 408, 151},
     {16, 120, 217, 151},
     -11,
     {8, 8, 8, 10}},
    {{"At120"},
     120,
     {551, 224},
     {10, 10, 541, 211},
     {20, 20, 511, 141},
     {375, 150, 510, 189},
     {20, 150, 271, 189},
     -14,
     {10, 10, 10, 13}},
    {{"At144"},
     144,
     {662, 269},
     {12, 12, 650, 254},
     {24, 24, 614, 170},
     {450, 180, 612, 227},
     {24, 180, 326, 227},
     -17,
     {12, 12, 12, 15}},
    {{"At192"},
     192,
     {882, 358},
     {16, 16, 866, 338},
     {32, 32, 818, 226},
     {600, 240, 816, 302},
     {32, 240, 434, 302},
     -22,
     {16, 16, 16, 20}},
};

class MainWindowDensity : public ::testing::TestWithParam<Layout> {
 protected:
  void SetUp() override {
    platform::headless::resetRegistry();
    toolkit::headless::resetUi();
    toolkit::application::setTitle("UpTK294Q");
  }
  void TearDown() override {
    window.reset();
    toolkit::headless::resetUi();
  }
  TForm1& openAt(int dpi) {
    toolkit::headless::setScreenDensity(dpi);
    window = std::make_unique<TForm1>(record);
    return *window;
  }

  updater::InstallRecord record{37};
  std::unique_ptr<TForm1> window;
};

void expectLayout(TForm1& w, const Layout& l) {
  EXPECT_EQ(w.density(), l.dpi);
  EXPECT_EQ(w.clientSize(), l.client);
  EXPECT_EQ(w.Panel1.bounds(), l.panel);
  EXPECT_EQ(w.Memo1.bounds(), l.memo);
  EXPECT_EQ(w.LbSpeedButton1.bounds(), l.close);
  EXPECT_EQ(w.Button2.bounds(), l.upgrade);
  const Rect p = w.Panel1.bounds();
  EXPECT_EQ((Rect{p.left, p.top, w.clientSize().cx - p.right, w.clientSize().cy - p.bottom}), l.margin);
  EXPECT_EQ(w.shownFont().height, l.fontHeight);
  EXPECT_EQ(w.Memo1.shownFont().height, l.fontHeight);
  EXPECT_EQ(w.LbSpeedButton1.face().font.height, l.fontHeight);
  EXPECT_EQ(w.Button2.face().font.height, l.fontHeight);
  w.show();
  w.LbSpeedButton1.setUseHotTrackFont(true);
  w.LbSpeedButton1.mouseEnter();
  ASSERT_TRUE(w.LbSpeedButton1.mouseInside());
  EXPECT_EQ(w.LbSpeedButton1.face().font.height, l.fontHeight) << "the hot-track font";
  w.LbSpeedButton1.mouseLeave();
  w.LbSpeedButton1.setUseHotTrackFont(false);
}

TEST_P(MainWindowDensity, OpensWithEverySizeAndFontAtTheScreensDensity) {
  TForm1& w = openAt(GetParam().dpi);
  expectLayout(w, GetParam());
  // A frame of the same thickness at every density on the headless screen.
  EXPECT_EQ(w.screenBounds().width() - w.clientSize().cx, 6);
  // A preset rewrites the font with its own colour; the height it keeps is the 96-dpi one.
  w.LbSpeedButton1.setColorStyle(widgets::lcsGold);
  EXPECT_EQ(w.LbSpeedButton1.font().height, GetParam().fontHeight);
}

TEST_P(MainWindowDensity, StoresTheSameDescriptionAtEveryDensity) {
  openAt(GetParam().dpi);
  EXPECT_EQ(description::storeDescription(*window, TForm1::classes()), TForm1::description());
}

// As a move between monitors does: each rescale starts again from the 96-dpi values.
TEST_P(MainWindowDensity, FollowsTheMonitorBackAndForthWithoutDrifting) {
  TForm1& w = openAt(96);
  for (int i = 0; i < 10; ++i) {
    w.scaleTo(GetParam().dpi);
    w.scaleTo(kLayouts[2].dpi);
    w.scaleTo(kLayouts[0].dpi);
  }
  w.scaleTo(GetParam().dpi);
  expectLayout(w, GetParam());
}

INSTANTIATE_TEST_SUITE_P(Densities, MainWindowDensity, ::testing::ValuesIn(kLayouts),
                         test_support::ByCaseName{});

}  // namespace
}  // namespace app
