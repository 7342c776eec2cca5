// Where the glyph and the caption go, on the host canvas whose built-in font has fixed metrics:
// a -11 font advances 6 pixels a character, its line is 13 pixels high and its glyphs start
// 3 pixels below the line's top.
#include <gtest/gtest.h>

#include "testing/face_painting.h"
#include "testing/named_cases.h"

namespace widgets {
namespace {

using namespace widgets::testing;

constexpr graphics::Color kGlyph = 0x00A00000;
constexpr int kW = 100;
constexpr int kH = 40;

struct LayoutCase : test_support::NamedCase {
  TLbSpeedButtonLayout layout;
  TAlignment alignment;
  bool wordWrap;
  bool down;
  graphics::Point glyph;    // top-left corner of the 16 x 16 glyph
  graphics::Point caption;  // top-left pixel of the "H" of "HH", its first row and column
};

class GlyphAndCaptionPlacement : public ::testing::TestWithParam<LayoutCase> {};

// Caption "HH": 12 pixels wide, so TW is 16; 13 high. Glyph 16 x 16.
TEST_P(GlyphAndCaptionPlacement, FollowsTheLayoutTables) {
  const LayoutCase& k = GetParam();
  const auto strip = makeStrip(16, {kGlyph});
  FaceArgs a;
  a.style = bsNormal;
  a.width = kW;
  a.height = kH;
  a.color = 0x00C0C0C0;
  a.hotTrackColor = clNone;
  a.font = graphics::Font{};
  a.font.color = clBlack;
  a.caption = "HH";
  a.glyph = strip.get();
  a.numGlyphs = 1;
  a.layout = k.layout;
  a.alignment = k.alignment;
  a.wordWrap = k.wordWrap;
  a.down = k.down;
  const auto face = paintFace(a);
  const graphics::Rect glyph = boundsOf(face->canvas(), kW, kH, kGlyph);
  EXPECT_EQ((graphics::Point{glyph.left, glyph.top}), k.glyph);
  const graphics::Rect caption = boundsOf(face->canvas(), kW, kH, clBlack);
  EXPECT_EQ((graphics::Point{caption.left, caption.top}), k.caption);
}

// Side by side: caption line top (40 - 13) / 2 = 13, its glyph row 16; glyph top 12. Beside a
// glyph the caption box is 72 wide, so the caption keeps 4 pixels from the glyph.
// Stacked: block 13 + 16 + 4 = 33 high, from row 3.
INSTANTIATE_TEST_SUITE_P(
    Tables, GlyphAndCaptionPlacement,
    ::testing::Values(
        LayoutCase{"LeftLeft", blGlyphLeft, taLeftJustify, false, false, {4, 12}, {24, 16}},
        LayoutCase{"LeftRight", blGlyphLeft, taRightJustify, false, false, {64, 12}, {84, 16}},
        LayoutCase{"LeftCentre", blGlyphLeft, taCenter, false, false, {34, 12}, {54, 16}},
        LayoutCase{"LeftWrapped", blGlyphLeft, taCenter, true, false, {4, 12}, {54, 16}},
        LayoutCase{"LeftDown", blGlyphLeft, taLeftJustify, false, true, {5, 13}, {25, 17}},
        LayoutCase{"RightLeft", blGlyphRight, taLeftJustify, false, false, {20, 12}, {4, 16}},
        LayoutCase{"RightRight", blGlyphRight, taRightJustify, false, false, {80, 12}, {64, 16}},
        LayoutCase{"RightCentre", blGlyphRight, taCenter, false, false, {50, 12}, {34, 16}},
        LayoutCase{"RightWrapped", blGlyphRight, taRightJustify, true, false, {20, 12}, {64, 16}},
        LayoutCase{"TopLeft", blGlyphTop, taLeftJustify, false, false, {4, 3}, {4, 22}},
        LayoutCase{"TopRight", blGlyphTop, taRightJustify, false, false, {80, 3}, {84, 22}},
        LayoutCase{"TopCentre", blGlyphTop, taCenter, false, false, {42, 3}, {44, 22}},
        LayoutCase{"BottomCentre", blGlyphBottom, taCenter, false, false, {42, 16}, {44, 6}},
        LayoutCase{"BottomDown", blGlyphBottom, taLeftJustify, true, true, {5, 17}, {5, 7}}),
    test_support::ByCaseName{});

TEST(CaptionCutting, KeepsWhatFitsTheAvailableWidth) {
  FaceArgs a;
  a.style = bsNormal;
  a.width = 40;  // 32 pixels for the caption: five characters of 6
  a.font = graphics::Font{};
  a.font.color = clBlack;
  a.alignment = taLeftJustify;
  a.caption = "ABCDEFGH";
  const auto face = paintFace(a);
  const graphics::Rect caption = boundsOf(face->canvas(), a.width, a.height, clBlack);
  EXPECT_EQ(caption.left, 4);
  EXPECT_EQ(caption.right, 4 + 4 * 6 + 5);  // five letters, the last one 5 pixels wide
}

}  // namespace
}  // namespace widgets
