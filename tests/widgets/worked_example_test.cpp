// The main window's gold button, 108 x 31, checked pixel for pixel where the drawing is exact.
#include <gtest/gtest.h>

#include "testing/face_painting.h"

namespace widgets {
namespace {

using namespace widgets::testing;

using gold_button::kCaptionColor;
constexpr int kW = gold_button::kWidth;
constexpr int kH = gold_button::kHeight;

// Every pixel of row y between the columns x0 and x1 - 1 has colour c.
::testing::AssertionResult rowIs(const graphics::Canvas& c, int y, int x0, int x1, graphics::Color expected) {
  for (int x = x0; x < x1; ++x) {
    if (c.pixel(x, y) != expected) {
      return ::testing::AssertionFailure() << "pixel (" << x << ", " << y << ") is 0x" << std::hex
                                           << c.pixel(x, y) << ", expected 0x" << expected;
    }
  }
  return ::testing::AssertionSuccess();
}

::testing::AssertionResult columnIs(const graphics::Canvas& c, int x, int y0, int y1,
                                    graphics::Color expected) {
  for (int y = y0; y < y1; ++y) {
    if (c.pixel(x, y) != expected) {
      return ::testing::AssertionFailure() << "pixel (" << x << ", " << y << ") is 0x" << std::hex
                                           << c.pixel(x, y) << ", expected 0x" << expected;
    }
  }
  return ::testing::AssertionSuccess();
}

// The rings and see-through corners that every look of the face shares.
void expectRings(const graphics::Canvas& c, graphics::Color inner) {
  EXPECT_TRUE(rowIs(c, 0, 3, kW - 3, clOlive));
  EXPECT_TRUE(rowIs(c, kH - 1, 3, kW - 3, clOlive));
  EXPECT_TRUE(columnIs(c, 0, 3, kH - 3, clOlive));
  EXPECT_TRUE(columnIs(c, kW - 1, 3, kH - 3, clOlive));
  EXPECT_TRUE(rowIs(c, 1, 3, kW - 3, inner));
  EXPECT_TRUE(rowIs(c, kH - 2, 3, kW - 3, inner));
  EXPECT_TRUE(columnIs(c, 1, 3, kH - 3, inner));
  EXPECT_TRUE(columnIs(c, kW - 2, 3, kH - 3, inner));
  for (const graphics::Point corner : {graphics::Point{0, 0}, {kW - 1, 0}, {0, kH - 1}, {kW - 1, kH - 1}}) {
    EXPECT_EQ(c.pixel(corner.x, corner.y), clFuchsia) << corner.x << ", " << corner.y;
  }
}

// Rows of the face between the rings that no caption pixel can reach: above and below the
// caption's rectangle, and the two columns on each side of it.
void expectGradientRow(const graphics::Canvas& c, int y, graphics::Color expected) {
  EXPECT_TRUE(rowIs(c, y, 2, 4, expected));
  EXPECT_TRUE(rowIs(c, y, kW - 4, kW - 2, expected));
}

TEST(WorkedExample, UpShowsTheGoldGradientsAndRings) {
  const auto face = paintFace(FaceArgs{});
  const graphics::Canvas& c = face->canvas();
  const graphics::Color top[] = {0x0000F2F2, 0x0000E6E6, 0x0000DADA, 0x0000CECE, 0x0000C2C2};
  for (int row = 2; row <= 6; ++row) EXPECT_TRUE(rowIs(c, row, 2, kW - 2, top[row - 2])) << "row " << row;
  EXPECT_TRUE(rowIs(c, 7, 2, kW - 2, 0x0000C2C2));
  EXPECT_TRUE(rowIs(c, 8, 2, kW - 2, 0x0000C4C4));
  expectGradientRow(c, 9, 0x0000C8C8);
  EXPECT_TRUE(rowIs(c, 28, 2, kW - 2, 0x0000FAFA));
  // In between the bottom gradient brightens row by row in the yellow channels only.
  for (int row = 10; row < 28; ++row) {
    const graphics::Color here = c.pixel(2, row);
    const graphics::Color above = c.pixel(2, row - 1);
    EXPECT_EQ(graphics::blue(here), 0) << row;
    EXPECT_EQ(graphics::red(here), graphics::green(here)) << row;
    EXPECT_GE(graphics::red(here), graphics::red(above)) << row;
    EXPECT_LT(graphics::red(here), 0xFA) << row;
    expectGradientRow(c, row, here);
  }
  expectRings(c, 0x0000C0C0);
}

TEST(WorkedExample, HotUsesTheFullHotTrackColour) {
  FaceArgs args;
  args.mouseInside = true;
  args.fadeStep = 8;
  const auto face = paintFace(args);
  const graphics::Canvas& c = face->canvas();
  const graphics::Color top[] = {0x0000F8F8, 0x0000F2F2, 0x0000ECEC, 0x0000E6E6, 0x0000E0E0};
  for (int row = 2; row <= 6; ++row) EXPECT_TRUE(rowIs(c, row, 2, kW - 2, top[row - 2])) << "row " << row;
  expectRings(c, 0x0000DFDF);
}

TEST(WorkedExample, DownSplitsLowerRingsOliveAndSinksTheCaption) {
  FaceArgs args;
  args.down = true;
  const auto face = paintFace(args);
  const graphics::Canvas& c = face->canvas();
  // The top gradient now spreads over rows 2 to 7 and the bottom one starts at row 8.
  EXPECT_TRUE(rowIs(c, 6, 2, kW - 2, 0x0000CCCC));
  EXPECT_TRUE(rowIs(c, 7, 2, kW - 2, 0x0000C2C2));
  EXPECT_TRUE(rowIs(c, 8, 2, kW - 2, 0x0000C2C2));
  expectGradientRow(c, 9, 0x0000C4C4);
  expectRings(c, clOlive);
}

TEST(WorkedExample, CaptionStaysInsideItsRectangleAndMovesOnePixelWhenDown) {
  const auto up = paintFace(FaceArgs{});
  FaceArgs args;
  args.down = true;
  const auto down = paintFace(args);
  const graphics::Rect upText = boundsOf(up->canvas(), kW, kH, kCaptionColor);
  const graphics::Rect downText = boundsOf(down->canvas(), kW, kH, kCaptionColor);
  ASSERT_FALSE(upText.empty());
  const graphics::Rect upBox{4, 9, 104, 22};
  EXPECT_TRUE(upBox.contains({upText.left, upText.top}) &&
              upBox.contains({upText.right - 1, upText.bottom - 1}));
  EXPECT_EQ(downText, upText.offset(1, 1));
  // Centred: the margins beside the caption differ only by the glyphs' side bearings.
  EXPECT_LE(std::abs((upText.left - upBox.left) - (upBox.right - upText.right)), 3);
}

}  // namespace
}  // namespace widgets
