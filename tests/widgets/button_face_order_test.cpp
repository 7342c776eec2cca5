// What covers what on a face (glyph, caption, arrow), the bold of a pressed bsEncarta face and
// the cut of a caption at exactly the available width, on whichever canvas the build has. Where
// the platform's fonts decide the pixels, each test first makes sure that the overlap it is
// about really happens.
#include <gtest/gtest.h>

#include <vector>

#include "testing/face_painting.h"
#include "testing/named_cases.h"

namespace widgets {
namespace {

using namespace widgets::testing;

constexpr graphics::Color kInk = 0x000000C0;  // the caption
constexpr graphics::Color kGlyph = 0x00A00000;

FaceArgs captionFace(TLbSpeedButtonStyle style) {
  FaceArgs a;
  a.style = style;
  a.color = kFace;
  a.hotTrackColor = clNone;
  a.font = graphics::Font{};
  a.font.color = kInk;
  return a;
}

// Pixels that differ between two faces of the same size inside `area`.
int differences(const graphics::Bitmap& a, const graphics::Bitmap& b, graphics::Rect area) {
  int count = 0;
  for (int y = area.top; y < area.bottom; ++y) {
    for (int x = area.left; x < area.right; ++x) count += a.canvas().pixel(x, y) != b.canvas().pixel(x, y);
  }
  return count;
}

TEST(DrawingOrder, TheGlyphCoversTheCaption) {
  // Wrapped and right-aligned beside a glyph on its right, the caption's box is narrower than
  // the face and the glyph lands at the caption's laid-out width: on top of the caption.
  FaceArgs a = captionFace(bsNormal);
  a.width = 100;
  a.height = 30;
  a.caption = "MMMMMM";
  a.layout = blGlyphRight;
  a.alignment = taRightJustify;
  a.wordWrap = true;
  const auto seeThrough = makeStrip(16, {clWhite});  // the same room taken, nothing drawn
  const auto solid = makeStrip(16, {kGlyph});
  a.numGlyphs = 1;
  a.glyph = seeThrough.get();
  const auto captionOnly = paintFace(a);
  a.glyph = solid.get();
  const auto both = paintFace(a);

  graphics::Rect glyph = boundsOf(both->canvas(), a.width, a.height, kGlyph);
  ASSERT_EQ(glyph.width(), 16);
  glyph.bottom -= 1;  // the bottom row holds the glyph's see-through lower-left pixel
  int covered = 0;
  for (int y = glyph.top; y < glyph.bottom; ++y) {
    for (int x = glyph.left; x < glyph.right; ++x) {
      covered += captionOnly->canvas().pixel(x, y) == kInk;
      EXPECT_EQ(both->canvas().pixel(x, y), kGlyph) << x << ", " << y;
    }
  }
  EXPECT_GT(covered, 0) << "the caption must reach under the glyph";
}

TEST(DrawingOrder, TheShapeCaptionCoversItsGlyph) {
  FaceArgs a = captionFace(bsShape);
  a.width = 60;
  a.height = 30;
  a.caption = "MM";
  const auto captionOnly = paintFace(a);
  const auto solid = makeStrip(20, {kGlyph});
  a.glyph = solid.get();
  a.numGlyphs = 1;
  const auto both = paintFace(a);
  const graphics::Rect glyph{20, 5, 40, 24};  // centred, less the see-through bottom row
  int covered = 0;
  for (int y = glyph.top; y < glyph.bottom; ++y) {
    for (int x = glyph.left; x < glyph.right; ++x) {
      const bool ink = captionOnly->canvas().pixel(x, y) == kInk;
      EXPECT_EQ(both->canvas().pixel(x, y), ink ? kInk : kGlyph) << x << ", " << y;
      covered += ink;
    }
  }
  EXPECT_GT(covered, 0) << "the caption must lie over the glyph";
}

TEST(DrawingOrder, TheArrowCoversTheCaption) {
  FaceArgs a = captionFace(bsNormal);
  a.width = 80;
  a.height = 30;
  a.caption = "MMMMMMMMMMMMMMMMMMMM";  // cut to fill the face up to its right margin
  a.alignment = taRightJustify;
  const auto captionOnly = paintFace(a);
  a.hasPopupMenu = true;
  const auto withArrow = paintFace(a);
  const int x0 = a.width - 11;
  const int y0 = a.height / 2 - 1;
  const char* rows[] = {"BBBBB", "WBBBW", "WWBWW"};
  int inkUnderArrow = 0;
  for (int dy = 0; dy < 3; ++dy) {
    for (int dx = 0; dx < 5; ++dx) {
      const graphics::Color before = captionOnly->canvas().pixel(x0 + dx, y0 + dy);
      const bool black = rows[dy][dx] == 'B';
      inkUnderArrow += black && before == kInk;
      EXPECT_EQ(withArrow->canvas().pixel(x0 + dx, y0 + dy), black ? clBlack : before) << dx << ", " << dy;
    }
  }
  EXPECT_GT(inkUnderArrow, 0) << "the caption must reach under the arrow";
}

struct BoldCase : test_support::NamedCase {
  bool enabled;
  bool down;
  bool bold;
};

class EncartaCaption : public ::testing::TestWithParam<BoldCase> {};

// Compared inside the frame, which changes colours when down, with the caption painted up in a
// font that is bold or not.
TEST_P(EncartaCaption, IsBoldOnlyWhenReallyDown) {
  const BoldCase& k = GetParam();
  FaceArgs a = captionFace(bsEncarta);
  a.caption = "Upgrade";
  a.enabled = k.enabled;
  a.down = k.down;
  const auto face = paintFace(a);
  a.down = false;
  if (k.bold) a.font.style |= graphics::kFontBold;
  const auto expected = paintFace(a);
  a.font.style = k.bold ? 0u : unsigned{graphics::kFontBold};
  const auto other = paintFace(a);
  const graphics::Rect inside{1, 1, a.width - 1, a.height - 1};
  ASSERT_GT(differences(*expected, *other, inside), 0) << "bold must show";
  EXPECT_EQ(differences(*face, *expected, inside), 0);
}

INSTANTIATE_TEST_SUITE_P(States, EncartaCaption,
                         ::testing::Values(BoldCase{"Up", true, false, false},
                                           BoldCase{"Down", true, true, true},
                                           BoldCase{"DisabledDown", false, true, false},
                                           BoldCase{"DisabledUp", false, false, false}),
                         test_support::ByCaseName{});

struct CutCase : test_support::NamedCase {
  int spare;  // available width less the caption's width
  bool whole;
};

class CutAtTheAvailableWidth : public ::testing::TestWithParam<CutCase> {};

TEST_P(CutAtTheAvailableWidth, KeepsACaptionThatFitsExactly) {
  FaceArgs a = captionFace(bsNormal);
  a.alignment = taLeftJustify;
  a.caption = "Abc";
  const auto scratch = graphics::createBitmap(1, 1);
  scratch->canvas().setFont(a.font);
  a.width = scratch->canvas().textExtent(a.caption).cx + 8 + GetParam().spare;
  const auto face = paintFace(a);
  a.caption = "Ab";
  const auto cut = paintFace(a);
  EXPECT_EQ(differences(*face, *cut, {0, 0, a.width, a.height}) == 0, !GetParam().whole);
}

INSTANTIATE_TEST_SUITE_P(Widths, CutAtTheAvailableWidth,
                         ::testing::Values(CutCase{"OnePixelShort", -1, false}, CutCase{"Exactly", 0, true},
                                           CutCase{"OnePixelSpare", 1, true}),
                         test_support::ByCaseName{});

}  // namespace
}  // namespace widgets
