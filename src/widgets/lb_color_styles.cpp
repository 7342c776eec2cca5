#include "widgets/lb_color_styles.h"

#include <array>
#include <stdexcept>
#include <string>

namespace widgets {

TLbColorStylePreset GetColorStylePreset(TLbColorStyle style) {
  // Indexed by colour style, lcsGold first.
  static constexpr std::array<TLbColorStylePreset, 10> kPresets = {{
      {0x0000C0C0, clYellow, clOlive, clNone, 0x0000DFDF, clBlack, false, bsModern},          // gold
      {clSilver, clWhite, clGray, clNone, clNone, clBlack, false, bsModern},                  // chrome
      {0x00FF8000, clAqua, clBlue, clNone, clNone, clBlack, false, bsModern},                 // blue
      {clRed, 0x00C0C0FF, 0x000000C0, clNone, clNone, clBlack, false, bsModern},              // red
      {clBtnFace, 0x00B59284, 0x00B59284, 0x00B59284, 0x00DED3D6, clBlack, true, bsNormal},   // ultra flat 1
      {clBtnFace, clBlack, clBlack, 0x0024DABC, 0x008CF6E4, clBlack, true, bsNormal},         // ultra flat 2
      {0x00D1D8DB, 0x00B59284, 0x00B59285, 0x00B59285, 0x00D2BDB6, clBlack, true, bsNormal},  // ultra flat XP
      {0x00ECCE94, 0x00FCE6D4, clBlack, clNone, clNone, clBlack, false, bsModern},            // aqua
      {clBtnFace, clWhite, clGray, clNone, clNone, clBlack, false, bsNormal},                 // default
      {0x00603000, clSilver, clSilver, 0x00AD6529, 0x00CEAE9C, clWhite, false, bsQuicken},    // quicken
  }};
  if (style == lcsCustom || style > lcsQuicken) {
    throw std::invalid_argument("No colour-style preset for colour style " +
                                std::to_string(static_cast<int>(style)));
  }
  return kPresets[static_cast<std::size_t>(style) - 1];
}

}  // namespace widgets
