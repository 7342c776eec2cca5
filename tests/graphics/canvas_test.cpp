// Drawing conventions every canvas backend shares: run over the headless canvas on the host
// and over GDI under Wine.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "graphics/canvas.h"

namespace graphics {
namespace {

constexpr Color kPaper = 0x00102030;
constexpr Color kInk = 0x00A0B0C0;
constexpr Color kPen = 0x000000FF;
constexpr Color kBtnFace = 0xFF00000F;

std::unique_ptr<Bitmap> paper(int w, int h) {
  auto bitmap = createBitmap(w, h);
  bitmap->canvas().setBrushColor(kPaper);
  bitmap->canvas().fillRect({0, 0, w, h});
  return bitmap;
}

// One character per pixel: '.' paper, 'o' ink (brush), '#' pen, '?' anything else.
std::string picture(const Canvas& c, int w, int h) {
  std::string out;
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const Color p = c.pixel(x, y);
      out += p == kPaper ? '.' : p == kInk ? 'o' : p == kPen ? '#' : '?';
    }
    out += '\n';
  }
  return out;
}

TEST(Canvas, RectangleOutlinesWithThePenAndFillsInside) {
  auto bitmap = paper(6, 5);
  Canvas& c = bitmap->canvas();
  c.setPenColor(kPen);
  c.setBrushColor(kInk);
  c.rectangle({1, 1, 5, 5});
  EXPECT_EQ(picture(c, 6, 5),
            "......\n"
            ".####.\n"
            ".#oo#.\n"
            ".#oo#.\n"
            ".####.\n");
}

TEST(Canvas, ClearPenFillStopsShortOfRightAndBottom) {
  auto bitmap = paper(6, 5);
  Canvas& c = bitmap->canvas();
  c.setPenStyle(PenStyle::kClear);
  c.setBrushColor(kInk);
  c.rectangle({1, 1, 5, 5});
  EXPECT_EQ(picture(c, 6, 5),
            "......\n"
            ".ooo..\n"
            ".ooo..\n"
            ".ooo..\n"
            "......\n");
}

TEST(Canvas, ClearBrushLeavesTheInsideAloneButFillRectStillFills) {
  auto bitmap = paper(6, 5);
  Canvas& c = bitmap->canvas();
  c.setPenColor(kPen);
  c.setBrushColor(kInk);
  c.setBrushStyle(BrushStyle::kClear);
  c.rectangle({0, 0, 4, 4});
  c.fillRect({4, 4, 6, 5});
  c.fillRect({5, 0, 4, 2});  // upside down: nothing
  EXPECT_EQ(picture(c, 6, 5),
            "####..\n"
            "#..#..\n"
            "#..#..\n"
            "####..\n"
            "....oo\n");
}

TEST(Canvas, LinesLeaveOutTheirEndPointAndMoveTheCurrentPoint) {
  auto bitmap = paper(5, 4);
  Canvas& c = bitmap->canvas();
  c.setPenColor(kPen);
  c.moveTo(0, 0);
  c.lineTo(4, 0);
  c.lineTo(4, 3);
  c.moveTo(0, 3);
  c.lineTo(-1, 3);  // one pixel, leftwards
  EXPECT_EQ(picture(c, 5, 4),
            "#####\n"
            "....#\n"
            "....#\n"
            "#....\n");
}

TEST(Canvas, ClearPenDrawsNoLine) {
  auto bitmap = paper(4, 1);
  Canvas& c = bitmap->canvas();
  c.setPenStyle(PenStyle::kClear);
  c.moveTo(0, 0);
  c.lineTo(4, 0);
  EXPECT_EQ(picture(c, 4, 1), "....\n");
}

TEST(Canvas, RoundRectCutsItsCornersAndFillsInside) {
  auto bitmap = paper(12, 10);
  Canvas& c = bitmap->canvas();
  c.setPenColor(kPen);
  c.setBrushColor(kInk);
  c.roundRect({0, 0, 12, 10}, 6, 6);
  for (const Point corner : {Point{0, 0}, {11, 0}, {0, 9}, {11, 9}}) {
    EXPECT_EQ(c.pixel(corner.x, corner.y), kPaper) << corner.x << ", " << corner.y;
  }
  EXPECT_EQ(c.pixel(6, 0), kPen);
  EXPECT_EQ(c.pixel(0, 5), kPen);
  EXPECT_EQ(c.pixel(11, 5), kPen);
  EXPECT_EQ(c.pixel(6, 9), kPen);
  EXPECT_EQ(c.pixel(6, 5), kInk);
}

TEST(Canvas, TextExtentCountsEveryCharacter) {
  auto bitmap = paper(1, 1);
  Canvas& c = bitmap->canvas();
  const Size one = c.textExtent("W");
  EXPECT_GT(one.cx, 0);
  EXPECT_GT(one.cy, 0);
  EXPECT_EQ(c.textExtent("WW").cx, 2 * one.cx);
  EXPECT_EQ(c.textExtent("").cx, 0);
  EXPECT_GT(c.textExtent("&W").cx, one.cx);  // no prefix processing
}

TEST(Canvas, CalcRectMeasuresTheShownText) {
  auto bitmap = paper(1, 1);
  Canvas& c = bitmap->canvas();
  const Size word = c.textExtent("Word");
  Rect r{0, 0, 200, 0};
  EXPECT_EQ(c.drawText("Word", r, kDtCalcRect | kDtWordBreak), word.cy);
  EXPECT_EQ(r, (Rect{0, 0, word.cx, word.cy}));
  Rect prefixed{0, 0, 200, 0};
  c.drawText("&Word", prefixed, kDtCalcRect | kDtWordBreak);
  EXPECT_EQ(prefixed, r);
  Rect ampersand{0, 0, 200, 0};
  c.drawText("&&", ampersand, kDtCalcRect | kDtWordBreak);
  EXPECT_EQ(ampersand.right, c.textExtent("&").cx);
}

TEST(Canvas, WordBreakWrapsAtSpacesButNeverInsideAWord) {
  auto bitmap = paper(1, 1);
  Canvas& c = bitmap->canvas();
  const Size word = c.textExtent("Word");
  Rect narrow{0, 0, word.cx, 0};
  c.drawText("Word Word Word", narrow, kDtCalcRect | kDtWordBreak);
  EXPECT_EQ(narrow.bottom, 3 * word.cy);
  EXPECT_EQ(narrow.right, word.cx);
  Rect tooNarrow{0, 0, 0, 0};
  c.drawText("Word", tooNarrow, kDtCalcRect | kDtWordBreak);
  EXPECT_EQ(tooNarrow.bottom, word.cy);
  EXPECT_EQ(tooNarrow.right, word.cx);
  Rect empty{0, 0, 50, 0};
  c.drawText("", empty, kDtCalcRect | kDtWordBreak);
  EXPECT_EQ(empty.bottom, 0);
}

TEST(Canvas, TextIsDrawnInTheFontColourInsideItsRectangleOnly) {
  auto bitmap = paper(80, 20);
  Canvas& c = bitmap->canvas();
  Font font;
  font.color = kInk;
  c.setFont(font);
  Rect box{10, 2, 70, 18};
  c.drawText("Hello", box, kDtRight | kDtWordBreak);
  int inked = 0;
  for (int y = 0; y < 20; ++y) {
    for (int x = 0; x < 80; ++x) {
      const Color p = c.pixel(x, y);
      if (p == kPaper) continue;
      EXPECT_EQ(p, kInk) << x << ", " << y;  // no smoothing, no background
      EXPECT_TRUE(box.contains({x, y})) << x << ", " << y;
      EXPECT_GE(x, 70 - c.textExtent("Hello").cx);  // right-aligned
      ++inked;
    }
  }
  EXPECT_GT(inked, 10);
}

TEST(Canvas, TextIsClippedToItsRectangle) {
  Font font;
  font.color = kInk;
  // The same text drawn twice on fresh paper, once in a box tall enough for it and once in a
  // box that keeps only its top rows: the second shows exactly the first one's top rows.
  const auto drawn = [&](Rect box) {
    auto bitmap = paper(80, 20);
    bitmap->canvas().setFont(font);
    bitmap->canvas().drawText("Hello", box, kDtLeft);
    return picture(bitmap->canvas(), 80, 20);
  };
  const std::string whole = drawn({10, 2, 70, 20});
  const std::string clipped = drawn({10, 2, 70, 9});
  ASSERT_NE(whole.find('o', 10 * 81), std::string::npos) << "the text must reach below the clip";
  const std::size_t clipEnd = 9 * 81;  // rows 0 to 8, each 80 pixels and a line break
  EXPECT_EQ(clipped.substr(0, clipEnd), whole.substr(0, clipEnd));
  EXPECT_NE(clipped.find('o'), std::string::npos);
  EXPECT_EQ(clipped.find_first_not_of(".\n", clipEnd), std::string::npos) << clipped;
}

TEST(Canvas, SystemColoursResolveOnlyWhenDrawn) {
  auto bitmap = paper(2, 1);
  Canvas& c = bitmap->canvas();
  c.setBrushColor(kBtnFace);
  EXPECT_EQ(c.brushColor(), kBtnFace);
  c.fillRect({0, 0, 1, 1});
  EXPECT_EQ(c.pixel(0, 0), c.resolve(kBtnFace));
  EXPECT_EQ(c.resolve(kBtnFace) >> 24, 0u);
  EXPECT_EQ(c.resolve(kInk), kInk);
}

TEST(Bitmap, DrawsSeeThroughWithAFixedOrAutomaticColour) {
  auto sprite = paper(3, 2);
  sprite->canvas().setBrushColor(kInk);
  sprite->canvas().fillRect({1, 0, 2, 2});
  auto target = createBitmap(5, 2);
  Canvas& c = target->canvas();
  c.setBrushColor(kPen);
  c.fillRect({0, 0, 5, 2});

  sprite->setTransparentColor(kPaper);
  c.draw(1, 0, *sprite);
  EXPECT_EQ(picture(c, 5, 2), "##o##\n##o##\n");

  sprite->setOpaque();
  c.draw(1, 0, *sprite);
  EXPECT_EQ(picture(c, 5, 2), "#.o.#\n#.o.#\n");

  // Automatic: the lower-left pixel, now ink.
  sprite->canvas().setBrushColor(kInk);
  sprite->canvas().fillRect({0, 1, 1, 2});
  sprite->setAutoTransparent();
  ASSERT_EQ(sprite->seeThroughColor(), kInk);
  c.setBrushColor(kPen);
  c.fillRect({0, 0, 5, 2});
  c.draw(1, 0, *sprite);
  EXPECT_EQ(picture(c, 5, 2), "#.#.#\n###.#\n");

  c.drawOpaque(1, 0, *sprite);
  EXPECT_EQ(picture(c, 5, 2), "#.o.#\n#oo.#\n");
}

TEST(Bitmap, ResizingKeepsTheTopLeftAndBlackensNewArea) {
  auto bitmap = paper(3, 3);
  bitmap->setSize(4, 2);
  EXPECT_EQ(bitmap->width(), 4);
  EXPECT_EQ(bitmap->height(), 2);
  EXPECT_EQ(bitmap->canvas().pixel(2, 1), kPaper);
  EXPECT_EQ(bitmap->canvas().pixel(3, 0), 0u);
  EXPECT_EQ(bitmap->canvas().pixel(0, 2), kInvalidPixel);
  bitmap->setSize(0, 0);
  EXPECT_EQ(bitmap->canvas().pixel(0, 0), kInvalidPixel);
  bitmap->setSize(2, 2);
  EXPECT_EQ(bitmap->canvas().pixel(1, 1), 0u);
}

// Backends may recycle what a released bitmap held; a new one must not show any of it.
TEST(Bitmap, NewBitmapsStartBlackWithTheCurrentPointAtTheOrigin) {
  for (int round = 0; round < 3; ++round) {
    auto bitmap = createBitmap(4, 2);
    Canvas& c = bitmap->canvas();
    for (int y = 0; y < 2; ++y) {
      for (int x = 0; x < 4; ++x) ASSERT_EQ(c.pixel(x, y), 0u) << round << ": " << x << ", " << y;
    }
    c.setPenColor(kPen);
    c.lineTo(3, 0);
    EXPECT_EQ(picture(c, 4, 2), "###?\n????\n") << round;
    c.setBrushColor(kInk);
    c.fillRect({0, 0, 4, 2});
    c.moveTo(2, 1);
  }
}

TEST(Bitmap, CloneIsIndependentAndKeepsTransparency) {
  auto original = paper(2, 2);
  original->setTransparentColor(kInk);
  auto copy = original->clone();
  original->canvas().setBrushColor(kInk);
  original->canvas().fillRect({0, 0, 2, 2});
  EXPECT_EQ(copy->canvas().pixel(1, 1), kPaper);
  EXPECT_EQ(copy->seeThroughColor(), kInk);
}

TEST(Bitmap, BadSizesAndMissingResourcesAreErrors) {
  EXPECT_THROW(createBitmap(-1, 4), std::invalid_argument);
  EXPECT_THROW(createBitmap(4, kMaxBitmapSide + 1), std::invalid_argument);
  auto bitmap = createBitmap(0, 0);
  EXPECT_THROW(bitmap->setSize(3, -2), std::invalid_argument);
  EXPECT_THROW(loadBitmapResource("NO_SUCH_BITMAP"), std::runtime_error);
}

}  // namespace
}  // namespace graphics
