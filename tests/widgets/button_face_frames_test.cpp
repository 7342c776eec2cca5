// The frames of the face styles pixel by pixel, and the background bsShape fills itself, on
// whichever canvas the build has.
#include <gtest/gtest.h>

#include <vector>

#include "testing/face_painting.h"
#include "testing/named_cases.h"

namespace widgets {
namespace {

using namespace widgets::testing;

constexpr graphics::Color kUnder = 0x0000A000;  // what a canvas held before the painter came
constexpr int kW = 40;
constexpr int kH = 20;

FaceArgs framedFace(TLbSpeedButtonStyle style, bool down) {
  FaceArgs a = distinctFace(style, kW, kH);
  a.down = down;
  return a;
}

// A pixel and the colour it must have; cl3DDkShadow and kFaceKeyColor as named.
struct Expected {
  int x;
  int y;
  graphics::Color color;
};

void expectPixels(const graphics::Canvas& c, const std::vector<Expected>& pixels) {
  for (const Expected& e : pixels) {
    EXPECT_EQ(c.pixel(e.x, e.y), c.resolve(e.color)) << "at " << e.x << ", " << e.y;
  }
}

struct FrameCase : test_support::NamedCase {
  TLbSpeedButtonStyle style;
  bool down;
  std::vector<Expected> pixels;
};

class Frame : public ::testing::TestWithParam<FrameCase> {};

TEST_P(Frame, HasItsColoursOnItsLines) {
  const FrameCase& k = GetParam();
  const auto face = paintFace(framedFace(k.style, k.down));
  expectPixels(face->canvas(), k.pixels);
}

// bsNormal and bsEncarta: light top and left, shadow right and bottom, swapped when down. The
// first line ends short of the top-right corner, which the second colour takes; the last line
// ends short of the bottom-left corner, which keeps the first.
std::vector<Expected> twoColourFrame(graphics::Color first, graphics::Color second) {
  return {{0, kH / 2, first},       {kW / 2, 0, first},       {0, 0, first},
          {0, kH - 1, first},       {kW - 1, 0, second},      {kW - 1, kH / 2, second},
          {kW / 2, kH - 1, second}, {kW - 1, kH - 1, second}, {1, 1, kFace},
          {kW - 2, kH - 2, kFace}};
}

// bsOld: an inner shadow line inside the outer frame. Up it runs down the second column from
// the right and along the second row from the bottom; down it runs up the second column from
// row H - 3 and along the second row, stopping short of the column W - 2.
const std::vector<Expected> kOldUp = {{0, kH / 2, kLight},
                                      {kW / 2, 0, kLight},
                                      {kW - 2, 0, kLight},
                                      {kW - 1, kH / 2, cl3DDkShadow},
                                      {kW / 2, kH - 1, cl3DDkShadow},
                                      {0, kH - 1, cl3DDkShadow},
                                      {kW - 2, 1, kShadow},
                                      {kW - 2, kH - 2, kShadow},
                                      {1, kH - 2, kShadow},
                                      {0, kH - 2, kLight},
                                      {1, 1, kFace},
                                      {kW - 3, kH - 3, kFace}};
const std::vector<Expected> kOldDown = {
    {0, kH / 2, cl3DDkShadow}, {kW / 2, 0, cl3DDkShadow}, {kW - 1, kH / 2, kLight}, {kW / 2, kH - 1, kLight},
    {0, kH - 1, kLight},       {1, 1, kShadow},           {1, kH - 3, kShadow},     {kW - 3, 1, kShadow},
    {1, kH - 2, kFace},        {kW - 2, 1, kFace},        {kW - 2, kH - 2, kFace},  {2, 2, kFace}};

// bsQuicken: a rounded face from row 1 and a shadow line along the top and the bottom from
// column 4 up to, not including, W - 5. Where the face's fill stops, a host test says: Wine's
// RoundRect fills the right and bottom edges that a clear pen should leave out.
const std::vector<Expected> kQuicken = {
    {4, 0, kShadow},         {kW - 6, 0, kShadow},      {3, 0, kFaceKeyColor}, {kW - 5, 0, kFaceKeyColor},
    {4, kH - 1, kShadow},    {kW - 6, kH - 1, kShadow}, {kW / 2, 1, kFace},    {kW / 2, kH - 2, kFace},
    {kW - 2, kH / 2, kFace}, {0, kH / 2, kFace}};

INSTANTIATE_TEST_SUITE_P(
    Styles, Frame,
    ::testing::Values(FrameCase{"NormalUp", bsNormal, false, twoColourFrame(kLight, kShadow)},
                      FrameCase{"NormalDown", bsNormal, true, twoColourFrame(kShadow, kLight)},
                      FrameCase{"EncartaUp", bsEncarta, false, twoColourFrame(kLight, kShadow)},
                      FrameCase{"EncartaDown", bsEncarta, true, twoColourFrame(kShadow, kLight)},
                      FrameCase{"OldUp", bsOld, false, kOldUp}, FrameCase{"OldDown", bsOld, true, kOldDown},
                      FrameCase{"QuickenUp", bsQuicken, false, kQuicken},
                      FrameCase{"QuickenDown", bsQuicken, true, kQuicken}),
    test_support::ByCaseName{});

// bsShape paints its own background: the painter makes every pixel the key colour whatever the
// canvas held and whether or not the face is transparent, then only glyph and caption.
class ShapeBackground : public ::testing::TestWithParam<bool> {};

TEST_P(ShapeBackground, IsTheKeyColourEverywhere) {
  FaceArgs a = framedFace(bsShape, false);
  a.transparent = GetParam();
  const auto face = graphics::createBitmap(kW, kH);
  graphics::Canvas& c = face->canvas();
  c.setBrushColor(kUnder);
  c.fillRect({0, 0, kW, kH});
  const auto noGlyph = graphics::createBitmap(0, 0);
  PaintButtonFace(c, kW, kH, a.alignment, a.caption, a.layout, a.font, a.shadowColor, a.lightColor,
                  a.hotTrackColor, a.colorWhenDown, a.color, a.style, false, false, false, true,
                  a.transparent, false, false, *noGlyph, 0, 0);
  for (int y = 0; y < kH; ++y) {
    for (int x = 0; x < kW; ++x) ASSERT_EQ(c.pixel(x, y), kFaceKeyColor) << x << ", " << y;
  }
}

INSTANTIATE_TEST_SUITE_P(TransparentOrNot, ShapeBackground, ::testing::Bool());

}  // namespace
}  // namespace widgets
