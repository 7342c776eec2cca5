// Caption cutting, glyph frames, the popup arrow and faces too small for their content.
#include <gtest/gtest.h>

#include "testing/face_painting.h"
#include "testing/named_cases.h"

namespace widgets {
namespace {

using namespace widgets::testing;

FaceArgs plainFace() {
  FaceArgs a;
  a.style = bsNormal;
  a.color = kFace;
  a.hotTrackColor = clNone;
  a.width = 60;
  a.height = 24;
  a.alignment = taLeftJustify;
  a.font.color = clBlack;
  return a;
}

bool samePixels(const graphics::Bitmap& a, const graphics::Bitmap& b) {
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      if (a.canvas().pixel(x, y) != b.canvas().pixel(x, y)) return false;
    }
  }
  return true;
}

// The longest start of text whose raw width fits, measured as the painter measures.
std::string longestFittingStart(const graphics::Font& font, std::string text, int available) {
  const auto scratch = graphics::createBitmap(1, 1);
  scratch->canvas().setFont(font);
  while (!text.empty() && scratch->canvas().textExtent(text).cx > available) text.pop_back();
  return text;
}

TEST(CaptionCutting, DropsCharactersFromTheEndWithoutAnEllipsis) {
  for (const std::string caption : {"Install the new version now", "&Save everything at once"}) {
    FaceArgs a = plainFace();
    a.caption = caption;
    const std::string kept = longestFittingStart(a.font, caption, a.width - 8);
    ASSERT_LT(kept.size(), caption.size()) << caption;
    ASSERT_FALSE(kept.empty()) << caption;
    const auto cut = paintFace(a);
    a.caption = kept;
    const auto expected = paintFace(a);
    EXPECT_TRUE(samePixels(*cut, *expected)) << caption << " should show as " << kept;
  }
}

TEST(CaptionCutting, WordWrapKeepsEveryCharacter) {
  FaceArgs a = plainFace();
  a.height = 60;
  a.wordWrap = true;
  a.caption = "Install the new version";
  const auto wrapped = paintFace(a);
  const graphics::Rect text = boundsOf(wrapped->canvas(), a.width, a.height, clBlack);
  const auto scratch = graphics::createBitmap(1, 1);
  scratch->canvas().setFont(a.font);
  EXPECT_GT(text.height(), scratch->canvas().textExtent("I").cy);  // more than one line
}

TEST(CaptionCutting, TooNarrowAFaceShowsNoCaptionAtAll) {
  FaceArgs a = plainFace();
  a.width = 6;  // nothing left for the caption
  a.caption = "Go";
  const auto face = paintFace(a);
  EXPECT_TRUE(boundsOf(face->canvas(), a.width, a.height, clBlack).empty());
}

TEST(AcceleratorPrefix, IsMeasuredButNotShown) {
  FaceArgs a = plainFace();
  a.caption = "&Go";
  const auto prefixed = paintFace(a);
  a.caption = "Go";
  const auto plain = paintFace(a);
  // Same place and the same letters, plus the underline below the first one.
  const graphics::Rect withPrefix = boundsOf(prefixed->canvas(), a.width, a.height, clBlack);
  const graphics::Rect without = boundsOf(plain->canvas(), a.width, a.height, clBlack);
  EXPECT_LE(withPrefix.left, without.left);  // the underline covers the letter's whole cell
  EXPECT_EQ(withPrefix.right, without.right);
  EXPECT_EQ(withPrefix.top, without.top);
  EXPECT_GT(withPrefix.bottom, without.bottom);
}

TEST(EncartaStyle, TurnsBoldInsteadOfMovingWhenDown) {
  FaceArgs a = plainFace();
  a.style = bsEncarta;
  a.caption = "Go";
  a.font.style = 0;
  const auto up = paintFace(a);
  a.down = true;
  const auto down = paintFace(a);
  const graphics::Rect upText = boundsOf(up->canvas(), a.width, a.height, clBlack);
  const graphics::Rect downText = boundsOf(down->canvas(), a.width, a.height, clBlack);
  EXPECT_EQ(downText.left, upText.left);
  EXPECT_EQ(downText.top, upText.top);
  EXPECT_GT(downText.width(), upText.width());
  EXPECT_EQ(down->canvas().font().style & graphics::kFontBold, graphics::kFontBold);

  a.style = bsNormal;
  const auto normalDown = paintFace(a);
  EXPECT_EQ(boundsOf(normalDown->canvas(), a.width, a.height, clBlack), upText.offset(1, 1));
}

struct GlyphFrameCase : test_support::NamedCase {
  int frames;
  bool enabled;
  bool mouseInside;
  bool down;
  int shownFrame;
};

class GlyphFrameChoice : public ::testing::TestWithParam<GlyphFrameCase> {};

TEST_P(GlyphFrameChoice, PicksTheFrameForTheLook) {
  const GlyphFrameCase& k = GetParam();
  const std::vector<graphics::Color> colours = {0x00A00000, 0x0000A000, 0x000000A0, 0x00A0A000};
  const auto strip = makeStrip(8, std::vector<graphics::Color>(colours.begin(), colours.begin() + k.frames));
  FaceArgs a = plainFace();
  a.caption = "";
  a.alignment = taCenter;
  a.glyph = strip.get();
  a.numGlyphs = k.frames;
  a.enabled = k.enabled;
  a.mouseInside = k.mouseInside;
  a.down = k.down;
  const auto face = paintFace(a);
  const graphics::Color shown = colours[static_cast<std::size_t>(k.shownFrame)];
  const int press = (k.enabled && k.down) ? 1 : 0;
  // No caption: the glyph stands in the middle.
  const graphics::Rect expected = graphics::Rect{26, 8, 34, 16}.offset(press, press);
  EXPECT_EQ(boundsOf(face->canvas(), a.width, a.height, shown), expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, GlyphFrameChoice,
                         ::testing::Values(GlyphFrameCase{"Up", 4, true, false, false, 0},
                                           GlyphFrameCase{"Hot", 4, true, true, false, 3},
                                           GlyphFrameCase{"Down", 4, true, false, true, 2},
                                           GlyphFrameCase{"HotAndDown", 4, true, true, true, 2},
                                           GlyphFrameCase{"Disabled", 4, false, true, true, 1},
                                           GlyphFrameCase{"HotWithThreeFrames", 3, true, true, false, 0},
                                           GlyphFrameCase{"DownWithTwoFrames", 2, true, false, true, 0},
                                           GlyphFrameCase{"DisabledWithOneFrame", 1, false, false, false, 0}),
                         test_support::ByCaseName{});

TEST(GlyphFrames, TheFramesTransparentColourIsItsLowerLeftPixel) {
  const auto strip = makeStrip(8, {clBlue});
  const auto bitmap = graphics::createBitmap(20, 20);
  bitmap->canvas().setBrushColor(clRed);
  bitmap->canvas().fillRect({0, 0, 20, 20});
  DrawGlyphFrame(bitmap->canvas(), *strip, 5, 5, 0, 0, 8, 8);
  EXPECT_EQ(bitmap->canvas().pixel(5, 12), clRed);  // the white lower-left pixel is left out
  EXPECT_EQ(bitmap->canvas().pixel(6, 12), clBlue);
  EXPECT_EQ(bitmap->canvas().pixel(5, 5), clBlue);
  EXPECT_EQ(bitmap->canvas().pixel(13, 5), clRed);
}

TEST(GlyphFrames, ANegativeCountMeansNoGlyphAndNoRoomForIt) {
  const auto strip = makeStrip(8, {clBlue, clRed});
  FaceArgs a = plainFace();
  a.caption = "Go";
  a.glyph = strip.get();
  a.numGlyphs = -2;
  const auto face = paintFace(a);
  a.glyph = nullptr;
  a.numGlyphs = 0;
  const auto none = paintFace(a);
  EXPECT_TRUE(samePixels(*face, *none));
}

TEST(PopupArrow, StandsAtTheRightOfTheMiddleInEveryStyle) {
  for (const TLbSpeedButtonStyle style : {bsNormal, bsEncarta, bsModern, bsOld, bsShape, bsQuicken}) {
    FaceArgs a = plainFace();
    a.style = style;
    a.caption = "";
    a.hasPopupMenu = true;
    const auto face = paintFace(a);
    const graphics::Canvas& c = face->canvas();
    const int x = a.width - 11;
    const int y = a.height / 2 - 1;
    a.hasPopupMenu = false;
    const auto without = paintFace(a);
    const graphics::Canvas& w = without->canvas();
    // Black triangle; its white pixels are left out.
    const char* rows[] = {"BBBBB", "WBBBW", "WWBWW"};
    for (int dy = 0; dy < 3; ++dy) {
      for (int dx = 0; dx < 5; ++dx) {
        const graphics::Color expected = rows[dy][dx] == 'B' ? clBlack : w.pixel(x + dx, y + dy);
        EXPECT_EQ(c.pixel(x + dx, y + dy), expected) << "style " << int{style} << " at " << dx << ", " << dy;
      }
    }
    EXPECT_EQ(c.pixel(x - 1, y), w.pixel(x - 1, y));
    EXPECT_EQ(c.pixel(x + 5, y), w.pixel(x + 5, y));
  }
}

TEST(PopupArrow, ResourceHoldsTheTriangle) {
  const auto arrow = graphics::loadBitmapResource("LBARROW");
  ASSERT_EQ(arrow->width(), 5);
  ASSERT_EQ(arrow->height(), 3);
  const char* rows[] = {"BBBBB", "WBBBW", "WWBWW"};
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 5; ++x) {
      EXPECT_EQ(arrow->canvas().pixel(x, y), rows[y][x] == 'B' ? clBlack : clWhite) << x << ", " << y;
    }
  }
}

}  // namespace
}  // namespace widgets
