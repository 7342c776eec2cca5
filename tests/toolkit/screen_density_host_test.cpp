// The arithmetic that turns a description's 96-dpi sizes into a screen's pixels.
#include "toolkit/screen_density.h"

#include <gtest/gtest.h>

namespace toolkit {
namespace {

TEST(ScreenDensity, ScalesAsTheSystemsMulDivRounds) {
  struct Case {
    int v, dpi, expected;
  };
  const Case cases[] = {
      {441, 144, 662},  // 661.5: halves go up
      {-11, 144, -17},  // -16.5: and away from zero below it, so a character height grows
      {11, 144, 17},   {179, 120, 224}, {425, 120, 531}, {-11, 120, -14}, {2, 120, 3},
      {-2, 120, -3},   {0, 144, 0},     {108, 192, 216}, {31, 192, 62},   {-32768, 144, -49152},
      {441, 96, 441},  {441, 72, 331},  {7, 48, 4},      {-7, 48, -4},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(scaledToDensity(c.v, c.dpi), c.expected) << c.v << " at " << c.dpi;
  }
}

TEST(ScreenDensity, ARectanglesWidthDoesNotDependOnWhereItStarts) {
  // Scaling the right side instead of the width would make these two 1 and 2 pixels wide.
  EXPECT_EQ(scaledToDensity(graphics::Rect{1, 1, 2, 2}, 144), (graphics::Rect{2, 2, 4, 4}));
  EXPECT_EQ(scaledToDensity(graphics::Rect{2, 2, 3, 3}, 144), (graphics::Rect{3, 3, 5, 5}));
  EXPECT_EQ(scaledToDensity(graphics::Rect{300, 120, 408, 151}, 144), (graphics::Rect{450, 180, 612, 227}));
}

TEST(ScreenDensity, AFontChangesOnlyItsHeight) {
  graphics::Font f;
  f.name = "Tahoma";
  f.height = 13;
  f.style = graphics::kFontBold | graphics::kFontItalic;
  f.color = 0x00123456;
  graphics::Font expected = f;
  expected.height = 20;  // 19.5
  EXPECT_EQ(scaledToDensity(f, 144), expected);
}

TEST(ScreenDensity, AScaledRectangleNeverDriftsFromItsDesign) {
  ScaledRect r;
  r.setDesign({16, 120, 217, 151});
  for (int i = 0; i < 10; ++i) {
    r.scaleTo(144);
    r.scaleTo(120);
  }
  EXPECT_EQ(r.design(), (graphics::Rect{16, 120, 217, 151}));
  EXPECT_EQ(r.shown(), (graphics::Rect{20, 150, 271, 189}));
  EXPECT_FALSE(r.scaleTo(0));
  EXPECT_EQ(r.density(), 120);
}

TEST(ScreenDensity, ShownPixelsGivenByCodeAreTakenBackTo96Dpi) {
  ScaledRect r;
  EXPECT_TRUE(r.setShown({5, 7, 105, 38}));
  EXPECT_EQ(r.design(), (graphics::Rect{5, 7, 105, 38}));  // exact at 96
  r.scaleTo(144);
  EXPECT_TRUE(r.setShown({450, 180, 612, 227}));
  EXPECT_EQ(r.design(), (graphics::Rect{300, 120, 408, 151}));
  EXPECT_FALSE(r.setShown({450, 180, 612, 227}));
  r.scaleTo(96);
  EXPECT_EQ(r.shown(), (graphics::Rect{300, 120, 408, 151}));
}

}  // namespace
}  // namespace toolkit
