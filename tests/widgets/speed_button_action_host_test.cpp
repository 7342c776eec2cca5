// The speed button linked to an action: the glyph taken from the action list's image list.
#include <gtest/gtest.h>

#include <memory>

#include "testing/speed_button_fixture.h"
#include "toolkit/action.h"
#include "toolkit/image_list.h"

namespace widgets::testing {
namespace {

constexpr graphics::Color kMask = 0x00FFFFFF;

class SpeedButtonAction : public SpeedButtonTest {
 protected:
  void SetUp() override {
    SpeedButtonTest::SetUp();
    // Five 10 x 12 images: image i is a 4 x 4 square of its own colour on the mask.
    auto strip = graphics::createBitmap(50, 12);
    strip->canvas().setBrushColor(kMask);
    strip->canvas().fillRect({0, 0, 50, 12});
    for (int i = 0; i < 5; ++i) {
      strip->canvas().setBrushColor(colorOf(i));
      strip->canvas().fillRect({10 * i + 3, 4, 10 * i + 7, 8});
    }
    images.addStrip(*strip);
    list.setImages(&images);
    action.setActionList(&list);
    action.setCaption("Run");
  }
  static graphics::Color colorOf(int image) { return 0x00002000u * static_cast<unsigned>(image + 1); }

  toolkit::ImageList images{&form, 10, 12};
  toolkit::ActionList list{&form};
  toolkit::Action action{&form};
};

TEST_F(SpeedButtonAction, ImageTwoOfFiveBecomesTheGlyphOnTheKeyColourPaintedAtOnce) {
  auto& b = addButton({10, 10, 110, 40});
  action.setImageIndex(2);
  const int before = paints();
  b.setAction(&action);
  EXPECT_EQ(b.caption(), "Run");
  ASSERT_EQ(b.glyph().width(), 10);
  ASSERT_EQ(b.glyph().height(), 12);
  EXPECT_EQ(b.numGlyphs(), 1);
  const graphics::Canvas& g = b.glyph().canvas();
  for (const auto& [x, y] : {std::pair{3, 4}, {6, 7}}) EXPECT_EQ(g.pixel(x, y), colorOf(2)) << x << "," << y;
  for (const auto& [x, y] : {std::pair{0, 0}, {9, 11}, {2, 4}, {7, 7}}) {
    EXPECT_EQ(g.pixel(x, y), clFuchsia) << x << "," << y;
  }
  EXPECT_EQ(paints(), before + 1);
}

TEST_F(SpeedButtonAction, AnIndexOutOfRangeNoImageListOrAGlyphAlreadySetLeavesTheGlyph) {
  for (const int index : {-1, 5}) {
    auto& b = addButton({10, 10, 110, 40});
    action.setImageIndex(index);
    b.setAction(&action);
    EXPECT_EQ(b.glyph().height(), 0) << index;
    EXPECT_EQ(b.numGlyphs(), 0) << index;
    b.setAction(nullptr);
  }

  auto& own = addButton({10, 10, 110, 40});
  auto glyph = graphics::createBitmap(32, 16);
  glyph->canvas().setBrushColor(0x00123456);
  glyph->canvas().fillRect({0, 0, 32, 16});
  own.setGlyph(glyph.get());
  action.setImageIndex(2);
  own.setAction(&action);
  EXPECT_EQ(own.glyph().width(), 32);
  EXPECT_EQ(own.glyph().canvas().pixel(5, 5), 0x00123456u);
  EXPECT_EQ(own.numGlyphs(), 2);

  auto& taken = addButton({10, 10, 110, 40});
  taken.setAction(&action);
  action.setImageIndex(4);
  EXPECT_EQ(taken.glyph().canvas().pixel(4, 5), colorOf(2))
      << "the first image stays: a glyph is never replaced";

  auto& later = addButton({10, 10, 110, 40});
  action.setImageIndex(-1);
  later.setAction(&action);
  EXPECT_EQ(later.numGlyphs(), 0);
  action.setImageIndex(1);
  EXPECT_EQ(later.glyph().canvas().pixel(4, 5), colorOf(1)) << "an index that comes into range later counts";

  auto& unlisted = addButton({10, 10, 110, 40});
  list.setImages(nullptr);
  unlisted.setAction(&action);
  EXPECT_EQ(unlisted.numGlyphs(), 0);
}

}  // namespace
}  // namespace widgets::testing
