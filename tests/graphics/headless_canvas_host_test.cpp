// What only the headless canvas promises: fixed text metrics, exact round corners and the
// classic system colours, so that layouts on the host are exactly predictable.
#include <gtest/gtest.h>

#include "graphics/canvas.h"

namespace graphics {
namespace {

TEST(HeadlessCanvas, FontMetricsAreFixed) {
  auto bitmap = createBitmap(1, 1);
  Canvas& c = bitmap->canvas();
  EXPECT_EQ(c.textExtent("Upgrade"), (Size{42, 13}));
  Font bold;
  bold.style = kFontBold;
  c.setFont(bold);
  EXPECT_EQ(c.textExtent("Upgrade"), (Size{49, 13}));
  Font large;
  large.height = -22;
  c.setFont(large);
  EXPECT_EQ(c.textExtent("ab"), (Size{24, 24}));
}

TEST(HeadlessCanvas, WrapsGreedilyAndDropsSpacesAtBreaks) {
  auto bitmap = createBitmap(1, 1);
  Canvas& c = bitmap->canvas();
  Rect r{0, 0, 60, 0};  // ten characters
  c.drawText("one two three four", r, kDtCalcRect | kDtWordBreak);
  EXPECT_EQ(r, (Rect{0, 0, 60, 26}));  // "one two" and "three four", which just fits
  Rect spaces{0, 0, 24, 0};
  c.drawText("ab  cd", spaces, kDtCalcRect | kDtWordBreak);
  EXPECT_EQ(spaces, (Rect{0, 0, 12, 26}));  // "ab" and "cd": the spaces between go
  Rect lines{0, 0, 300, 0};
  c.drawText("first\r\nsecond\nthird", lines, kDtCalcRect);
  EXPECT_EQ(lines, (Rect{0, 0, 36, 39}));
  Rect single{0, 0, 300, 0};
  c.drawText("a\nb", single, kDtCalcRect | kDtSingleLine);
  EXPECT_EQ(single.bottom, 13);
}

TEST(HeadlessCanvas, UnderlinesTheAcceleratorOnly) {
  auto bitmap = createBitmap(30, 13);
  Canvas& c = bitmap->canvas();
  c.setBrushColor(0x00FFFFFF);
  c.fillRect({0, 0, 30, 13});
  Font font;
  font.color = 0;
  c.setFont(font);
  Rect r{0, 0, 30, 13};
  c.drawText("a&bc", r, kDtLeft);
  // Row 11 is the underline row: the whole cell of "b", nothing under "a" or "c".
  for (int x = 0; x < 18; ++x) EXPECT_EQ(c.pixel(x, 11), (x >= 6 && x < 12) ? 0u : 0x00FFFFFFu) << x;
}

TEST(HeadlessCanvas, RoundCornersAreQuarterEllipses) {
  auto bitmap = createBitmap(8, 8);
  Canvas& c = bitmap->canvas();
  c.setBrushColor(0x00FFFFFF);
  c.fillRect({0, 0, 8, 8});
  c.setPenColor(0);
  c.setBrushStyle(BrushStyle::kClear);
  c.roundRect({0, 0, 8, 8}, 6, 6);
  std::string rows;
  for (int y = 0; y < 8; ++y) {
    for (int x = 0; x < 8; ++x) rows += c.pixel(x, y) == 0 ? '#' : '.';
    rows += '\n';
  }
  EXPECT_EQ(rows,
            "..####..\n"
            ".#....#.\n"
            "#......#\n"
            "#......#\n"
            "#......#\n"
            "#......#\n"
            ".#....#.\n"
            "..####..\n");
}

TEST(HeadlessCanvas, SystemColoursAreTheClassicScheme) {
  auto bitmap = createBitmap(1, 1);
  const Canvas& c = bitmap->canvas();
  EXPECT_EQ(c.resolve(0xFF00000F), rgb(192, 192, 192));  // button face
  EXPECT_EQ(c.resolve(0xFF000015), rgb(0, 0, 0));        // 3-D dark shadow
  EXPECT_EQ(c.resolve(0xFF000005), rgb(255, 255, 255));  // window
  EXPECT_EQ(c.resolve(0xFF0000FE), 0u);                  // unknown index
}

}  // namespace
}  // namespace graphics
