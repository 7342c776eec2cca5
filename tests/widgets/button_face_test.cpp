// Face colours, frames, styles and the popup arrow, on whichever canvas the build has.
#include <gtest/gtest.h>

#include "testing/face_painting.h"
#include "testing/named_cases.h"

namespace widgets {
namespace {

using namespace widgets::testing;

constexpr graphics::Color kHot = 0x00DDBB55;
constexpr graphics::Color kGreen = 0x0000A000;

// A plain bsNormal face with distinct colours and no caption: its centre shows the face colour.
FaceArgs plainFace() {
  FaceArgs a = distinctFace(bsNormal);
  a.hotTrackColor = kHot;
  return a;
}

TEST(BlendHotTrackColor, MixesByEighthsRoundingDown) {
  const auto bitmap = graphics::createBitmap(1, 1);
  const graphics::Canvas& c = bitmap->canvas();
  EXPECT_EQ(BlendHotTrackColor(c, 0x0000C0C0, 0x0000DFDF, 0), 0x0000C0C0u);
  EXPECT_EQ(BlendHotTrackColor(c, 0x0000C0C0, 0x0000DFDF, 4), 0x0000CFCFu);  // 207.5 rounds down
  EXPECT_EQ(BlendHotTrackColor(c, 0x0000C0C0, 0x0000DFDF, 8), 0x0000DFDFu);
  EXPECT_EQ(BlendHotTrackColor(c, 0x00000000, 0x00FFFFFF, 1), 0x001F1F1Fu);
  // Steps beyond the ends count as the ends instead of overflowing the channels.
  EXPECT_EQ(BlendHotTrackColor(c, 0x00102030, 0x00FFFFFF, -3), 0x00102030u);
  EXPECT_EQ(BlendHotTrackColor(c, 0x00102030, 0x00FFFFFF, 12), 0x00FFFFFFu);
  // System colours are mixed by their current value.
  EXPECT_EQ(BlendHotTrackColor(c, clBtnFace, clBlack, 0), c.resolve(clBtnFace));
}

struct FaceColourCase : test_support::NamedCase {
  bool enabled;
  bool down;
  bool mouseInside;
  int fadeStep;
  TColor hotTrackColor;
  TColor colorWhenDown;
  TColor expected;
};

class FaceColour : public ::testing::TestWithParam<FaceColourCase> {};

TEST_P(FaceColour, FillsTheFace) {
  const FaceColourCase& k = GetParam();
  FaceArgs a = plainFace();
  a.enabled = k.enabled;
  a.down = k.down;
  a.mouseInside = k.mouseInside;
  a.fadeStep = k.fadeStep;
  a.hotTrackColor = k.hotTrackColor;
  a.colorWhenDown = k.colorWhenDown;
  const auto face = paintFace(a);
  EXPECT_EQ(face->canvas().pixel(20, 10), face->canvas().resolve(k.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FaceColour,
    ::testing::Values(FaceColourCase{"Plain", true, false, false, 0, kHot, clNone, kFace},
                      FaceColourCase{"HotFull", true, false, true, 8, kHot, clNone, kHot},
                      // The fade step alone decides, whether or not the mouse is inside.
                      FaceColourCase{"FadingHalfway", true, false, false, 4, kHot, clNone, 0x00889077},
                      FaceColourCase{"NoHotTrackColour", true, false, true, 8, clNone, clNone, kFace},
                      FaceColourCase{"DownWithoutDownColour", true, true, true, 8, kHot, clNone, kHot},
                      FaceColourCase{"DownColourWinsOverHot", true, true, true, 8, kHot, clRed, clRed},
                      FaceColourCase{"DownSystemColour", true, true, false, 0, kHot, clBtnFace, clBtnFace},
                      FaceColourCase{"DisabledIgnoresHot", false, false, true, 8, kHot, clNone, kFace},
                      FaceColourCase{"DisabledIgnoresDown", false, true, false, 0, kHot, clRed, kFace}),
    test_support::ByCaseName{});

TEST(PaintButtonFace, DownColourReachesTheBrushUnresolved) {
  FaceArgs a = plainFace();
  a.down = true;
  a.colorWhenDown = clBtnFace;
  const auto face = paintFace(a);
  EXPECT_EQ(face->canvas().brushColor(), clBtnFace);
}

struct FlatCase {
  TLbSpeedButtonStyle style;
  bool flat;
  bool enabled;
  bool mouseInside;
  bool down;
  bool frameShows;
};

class FlatRule : public ::testing::TestWithParam<FlatCase> {};

// The frame's top-left pixel: light colour when up, a shadow colour when down.
TEST_P(FlatRule, DecidesWhetherTheFrameShows) {
  const FlatCase& k = GetParam();
  FaceArgs a = plainFace();
  a.style = k.style;
  a.flat = k.flat;
  a.enabled = k.enabled;
  a.mouseInside = k.mouseInside;
  a.down = k.down;
  a.hotTrackColor = clNone;
  const auto face = paintFace(a);
  const graphics::Canvas& c = face->canvas();
  EXPECT_EQ(c.pixel(0, 0) != kFace, k.frameShows);
  EXPECT_EQ(c.pixel(a.width - 1, a.height - 1) != kFace, k.frameShows);
}

INSTANTIATE_TEST_SUITE_P(Cases, FlatRule,
                         ::testing::Values(FlatCase{bsNormal, false, true, false, false, true},
                                           FlatCase{bsNormal, true, true, false, false, false},
                                           FlatCase{bsNormal, true, true, true, false, true},
                                           FlatCase{bsNormal, true, true, false, true, true},
                                           FlatCase{bsNormal, true, false, true, false, false},
                                           FlatCase{bsNormal, false, false, false, false, true},
                                           FlatCase{bsEncarta, true, true, false, false, false},
                                           FlatCase{bsEncarta, true, true, true, false, true},
                                           FlatCase{bsOld, true, true, false, false, false},
                                           FlatCase{bsOld, true, true, false, true, true},
                                           FlatCase{bsOld, false, true, false, false, true}));

TEST(PaintButtonFace, OldStyleDrawsItsDoubleFrame) {
  FaceArgs a = plainFace();
  a.style = bsOld;
  const auto up = paintFace(a);
  const graphics::Canvas& u = up->canvas();
  EXPECT_EQ(u.pixel(0, 5), kLight);
  EXPECT_EQ(u.pixel(5, 0), kLight);
  EXPECT_EQ(u.pixel(a.width - 1, 5), u.resolve(cl3DDkShadow));
  EXPECT_EQ(u.pixel(0, a.height - 1), u.resolve(cl3DDkShadow));  // the bottom line runs to column 0
  EXPECT_EQ(u.pixel(a.width - 2, 5), kShadow);
  EXPECT_EQ(u.pixel(5, a.height - 2), kShadow);
  a.down = true;
  const auto down = paintFace(a);
  const graphics::Canvas& d = down->canvas();
  EXPECT_EQ(d.pixel(0, 5), d.resolve(cl3DDkShadow));
  EXPECT_EQ(d.pixel(1, 5), kShadow);
  EXPECT_EQ(d.pixel(5, 1), kShadow);
  EXPECT_EQ(d.pixel(a.width - 1, 5), kLight);
}

TEST(PaintButtonFace, ModernAndQuickenAlwaysShowTheirFrame) {
  for (const TLbSpeedButtonStyle style : {bsModern, bsQuicken}) {
    FaceArgs a = plainFace();
    a.style = style;
    a.flat = true;
    const auto face = paintFace(a);
    EXPECT_EQ(face->canvas().pixel(10, 0), kShadow) << int{style};
    EXPECT_EQ(face->canvas().pixel(10, a.height - 1), kShadow) << int{style};
  }
}

TEST(PaintButtonFace, TransparentFacesKeepTheKeyColourWhereTheyDoNotPaint) {
  FaceArgs a = plainFace();
  a.transparent = true;
  a.style = bsModern;
  const auto modern = paintFace(a);
  EXPECT_EQ(modern->canvas().pixel(20, 5), clFuchsia);  // no gradient
  EXPECT_EQ(modern->canvas().pixel(20, 1), kFace);      // but the inner ring
  a.style = bsNormal;
  const auto normal = paintFace(a);
  EXPECT_EQ(normal->canvas().pixel(20, 10), clFuchsia);
  a.style = bsQuicken;
  const auto quicken = paintFace(a);
  EXPECT_EQ(quicken->canvas().pixel(20, 10), kFace);    // its rounded face is always filled
  EXPECT_EQ(quicken->canvas().pixel(0, 10), kFace);     // no side lines
  EXPECT_EQ(quicken->canvas().pixel(2, 0), clFuchsia);  // top line starts at column 4
}

TEST(PaintButtonFace, ShapeCentresItsGlyphAndKeepsItInPlaceWhenDown) {
  const auto strip = makeStrip(8, {clBlue, kGreen});
  FaceArgs a = plainFace();
  a.style = bsShape;
  a.glyph = strip.get();
  a.numGlyphs = 2;
  for (const bool down : {false, true}) {
    a.down = down;
    const auto face = paintFace(a);
    const graphics::Canvas& c = face->canvas();
    EXPECT_EQ(c.pixel(0, 0), clFuchsia);
    EXPECT_EQ(c.pixel(a.width - 1, a.height - 1), clFuchsia);
    EXPECT_EQ(boundsOf(c, a.width, a.height, clBlue), (graphics::Rect{16, 6, 24, 14})) << down;
  }
}

TEST(PaintButtonFace, ShapeCentresItsCaptionWhateverTheAlignment) {
  FaceArgs a = plainFace();
  a.style = bsShape;
  a.caption = "Hi";
  a.font.color = clBlack;
  const auto face = paintFace(a);
  const graphics::Rect upText = boundsOf(face->canvas(), a.width, a.height, clBlack);
  ASSERT_FALSE(upText.empty());
  a.alignment = taLeftJustify;
  const auto left = paintFace(a);
  EXPECT_EQ(boundsOf(left->canvas(), a.width, a.height, clBlack), upText);
  // Down, its box moves by one pixel: one row lower and, centred in a box one pixel narrower,
  // at most one column to the right.
  a.down = true;
  const auto down = paintFace(a);
  const graphics::Rect downText = boundsOf(down->canvas(), a.width, a.height, clBlack);
  EXPECT_EQ(downText.top, upText.top + 1);
  EXPECT_GE(downText.left, upText.left);
  EXPECT_LE(downText.left, upText.left + 1);
  // Disabled, it keeps the font's colour.
  a.down = false;
  a.enabled = false;
  const auto disabled = paintFace(a);
  EXPECT_EQ(boundsOf(disabled->canvas(), a.width, a.height, clBlack), upText);
  EXPECT_TRUE(boundsOf(disabled->canvas(), a.width, a.height, clGray).empty());
}

TEST(PaintButtonFace, DisabledButtonShowsFrameOneAGreyCaptionAndNoPressOffset) {
  const auto strip = makeStrip(8, {clBlue, kGreen, clRed, clAqua});
  FaceArgs a = plainFace();
  a.glyph = strip.get();
  a.numGlyphs = 4;
  a.caption = "Go";
  a.font.color = clBlack;
  a.alignment = taLeftJustify;
  a.enabled = false;
  a.down = true;
  a.mouseInside = true;
  const auto face = paintFace(a);
  const graphics::Canvas& c = face->canvas();
  // Glyph left of the caption, vertically centred, not pressed: (4, 6).
  EXPECT_EQ(boundsOf(c, a.width, a.height, kGreen), (graphics::Rect{4, 6, 12, 14}));
  EXPECT_TRUE(boundsOf(c, a.width, a.height, clBlack).empty());
  EXPECT_FALSE(boundsOf(c, a.width, a.height, clGray).empty());
}

}  // namespace
}  // namespace widgets
