#include <gtest/gtest.h>

#include "graphics/canvas.h"
#include "widgets/lb_buttons.h"

namespace widgets {
namespace {

constexpr graphics::Color kUntouched = 0x00123456;

std::unique_ptr<graphics::Bitmap> blank(int w, int h) {
  auto bitmap = graphics::createBitmap(w, h);
  bitmap->canvas().setBrushColor(kUntouched);
  bitmap->canvas().fillRect({0, 0, w, h});
  return bitmap;
}

graphics::Color grey(unsigned level) {
  return graphics::rgb(level, level, level);
}

TEST(FillGradientBands, OverlappingBandsLeaveEachRowToTheLaterBand) {
  // 62 rows: bands 3 rows high every 2 rows, so each band's last row is the next one's first.
  const auto bitmap = blank(6, 64);
  graphics::Canvas& c = bitmap->canvas();
  FillGradientBands(c, clBlack, clWhite, 1, 1, 5, 63);
  EXPECT_EQ(c.pixel(1, 1), grey(0));
  EXPECT_EQ(c.pixel(1, 2), grey(0));
  EXPECT_EQ(c.pixel(1, 3), grey(8));  // band 1: 255 / 31 rounded down
  EXPECT_EQ(c.pixel(1, 4), grey(8));
  EXPECT_EQ(c.pixel(1, 5), grey(16));
  // The last band starts on the bottom edge: band 30 shows at the bottom and white never does.
  EXPECT_EQ(c.pixel(4, 62), grey(246));
  EXPECT_EQ(c.pixel(4, 61), grey(246));
  for (int y = 1; y < 63; ++y) EXPECT_NE(c.pixel(3, y), grey(255)) << y;
  // Nothing outside the rectangle.
  for (int y = 0; y < 64; ++y) {
    EXPECT_EQ(c.pixel(0, y), kUntouched) << y;
    EXPECT_EQ(c.pixel(5, y), kUntouched) << y;
  }
  EXPECT_EQ(c.pixel(2, 0), kUntouched);
  EXPECT_EQ(c.pixel(2, 63), kUntouched);
}

TEST(FillGradientBands, FewRowsShowTheLastOfTheBandsThatFallOnThem) {
  const auto bitmap = blank(2, 3);
  graphics::Canvas& c = bitmap->canvas();
  FillGradientBands(c, clBlack, clWhite, 0, 0, 2, 3);
  // Three rows: bands 0-10 on row 0, 11-20 on row 1, 21-31 on row 2 (band 31 covering nothing).
  EXPECT_EQ(c.pixel(0, 0), grey(10 * 255 / 31));
  EXPECT_EQ(c.pixel(0, 1), grey(20 * 255 / 31));
  EXPECT_EQ(c.pixel(0, 2), grey(30 * 255 / 31));
}

TEST(FillGradientBands, ChannelsFallingTowardsTheEndRoundDown) {
  const auto bitmap = blank(1, 31);
  graphics::Canvas& c = bitmap->canvas();
  FillGradientBands(c, clWhite, clBlack, 0, 0, 1, 31);
  // Band i on row i: 255 - 255 i / 31 rounded towards minus infinity, never up.
  EXPECT_EQ(c.pixel(0, 1), grey(246));
  EXPECT_EQ(c.pixel(0, 30), grey(8));
}

TEST(FillGradientBands, EmptyOrUpsideDownRectanglesGetNothing) {
  const auto bitmap = blank(8, 8);
  graphics::Canvas& c = bitmap->canvas();
  FillGradientBands(c, clBlack, clWhite, 2, 6, 6, 2);
  FillGradientBands(c, clBlack, clWhite, 6, 2, 2, 6);
  FillGradientBands(c, clBlack, clWhite, 2, 2, 6, 2);
  for (int y = 0; y < 8; ++y) {
    for (int x = 0; x < 8; ++x) EXPECT_EQ(c.pixel(x, y), kUntouched) << x << ", " << y;
  }
}

TEST(FillGradientBands, KeepsThePenStyleAndResolvesSystemColours) {
  const auto bitmap = blank(4, 31);
  graphics::Canvas& c = bitmap->canvas();
  c.setPenStyle(graphics::PenStyle::kSolid);
  FillGradientBands(c, clBtnFace, clBtnFace, 0, 0, 4, 31);
  EXPECT_EQ(c.penStyle(), graphics::PenStyle::kSolid);
  EXPECT_EQ(c.pixel(2, 15), c.resolve(clBtnFace));
}

}  // namespace
}  // namespace widgets
