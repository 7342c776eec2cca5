// Where the filled face of bsQuicken stops, on the host canvas, which follows GDI's rule for a
// shape without outline: the fill leaves out the rectangle's right column and bottom row.
#include <gtest/gtest.h>

#include "testing/face_painting.h"

namespace widgets {
namespace {

using namespace widgets::testing;

TEST(QuickenFace, StopsOneShortOfTheRightAndBottomUnderItsLine) {
  const FaceArgs a = distinctFace(bsQuicken);
  const auto face = paintFace(a);
  const graphics::Canvas& c = face->canvas();
  EXPECT_EQ(c.pixel(38, 10), kFace);
  EXPECT_EQ(c.pixel(39, 10), kFaceKeyColor);  // the last column
  EXPECT_EQ(c.pixel(20, 18), kFace);
  EXPECT_EQ(c.pixel(3, 19), kFaceKeyColor);  // the last row, left of the bottom line
  EXPECT_EQ(c.pixel(4, 19), kShadow);
  EXPECT_EQ(c.pixel(34, 19), kShadow);
  EXPECT_EQ(c.pixel(35, 19), kFaceKeyColor);  // the bottom line stops short of W - 5
}

}  // namespace
}  // namespace widgets
