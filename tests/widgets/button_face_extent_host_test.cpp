// Where the filled face of bsQuicken stops, on the host canvas, which follows GDI's rule for a
// shape without outline: the fill leaves out the rectangle's right column and bottom row.
#include <gtest/gtest.h>

#include "face_painting.h"

namespace widgets {
namespace {

TEST(QuickenFace, StopsOneShortOfTheRightAndBottomUnderItsLine) {
  constexpr platform::Color kFace = 0x00336699;
  constexpr platform::Color kShadow = 0x00222222;
  testing::FaceArgs a;
  a.style = bsQuicken;
  a.caption = "";
  a.color = kFace;
  a.hotTrackColor = clNone;
  a.shadowColor = kShadow;
  a.width = 40;
  a.height = 20;
  const auto face = testing::paintFace(a);
  const platform::Canvas& c = face->canvas();
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
