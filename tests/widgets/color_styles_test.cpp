#include <gtest/gtest.h>

#include <stdexcept>

#include "widgets/lb_color_styles.h"

namespace widgets {
namespace {

struct Row {
  TLbColorStyle style;
  TLbColorStylePreset preset;
};

class ColorStylePreset : public ::testing::TestWithParam<Row> {};

TEST_P(ColorStylePreset, GivesItsRow) {
  EXPECT_EQ(GetColorStylePreset(GetParam().style), GetParam().preset);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ColorStylePreset,
    ::testing::Values(
        Row{lcsGold, {0x0000C0C0, 0x0000FFFF, 0x00008080, clNone, 0x0000DFDF, 0x00000000, false, bsModern}},
        Row{lcsChrome, {0x00C0C0C0, 0x00FFFFFF, 0x00808080, clNone, clNone, 0x00000000, false, bsModern}},
        Row{lcsBlue, {0x00FF8000, 0x00FFFF00, 0x00FF0000, clNone, clNone, 0x00000000, false, bsModern}},
        Row{lcsRed, {0x000000FF, 0x00C0C0FF, 0x000000C0, clNone, clNone, 0x00000000, false, bsModern}},
        Row{lcsUltraFlat1,
            {0xFF00000F, 0x00B59284, 0x00B59284, 0x00B59284, 0x00DED3D6, 0x00000000, true, bsNormal}},
        Row{lcsUltraFlat2,
            {0xFF00000F, 0x00000000, 0x00000000, 0x0024DABC, 0x008CF6E4, 0x00000000, true, bsNormal}},
        Row{lcsUltraFlatXP,
            {0x00D1D8DB, 0x00B59284, 0x00B59285, 0x00B59285, 0x00D2BDB6, 0x00000000, true, bsNormal}},
        Row{lcsAqua, {0x00ECCE94, 0x00FCE6D4, 0x00000000, clNone, clNone, 0x00000000, false, bsModern}},
        Row{lcsDefault, {0xFF00000F, 0x00FFFFFF, 0x00808080, clNone, clNone, 0x00000000, false, bsNormal}},
        Row{lcsQuicken,
            {0x00603000, 0x00C0C0C0, 0x00C0C0C0, 0x00AD6529, 0x00CEAE9C, 0x00FFFFFF, false, bsQuicken}}));

TEST(ColorStylePresetErrors, CustomAndUnknownStylesHaveNoRow) {
  EXPECT_THROW(GetColorStylePreset(lcsCustom), std::invalid_argument);
  EXPECT_THROW(GetColorStylePreset(static_cast<TLbColorStyle>(11)), std::invalid_argument);
}

}  // namespace
}  // namespace widgets
