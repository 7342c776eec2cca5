// Value types only: the button's enumerations, whose ordinals descriptions store.
#pragma once
#include <cstdint>

namespace widgets {

// Ordinals are fixed: window descriptions store them.
enum TLbSpeedButtonStyle : std::uint8_t { bsNormal, bsEncarta, bsModern, bsOld, bsShape, bsQuicken };
enum TLbSpeedButtonLayout : std::uint8_t { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
enum TAlignment : std::uint8_t { taLeftJustify, taRightJustify, taCenter };
enum TLbColorStyle : std::uint8_t {
  lcsCustom,
  lcsGold,
  lcsChrome,
  lcsBlue,
  lcsRed,
  lcsUltraFlat1,
  lcsUltraFlat2,
  lcsUltraFlatXP,
  lcsAqua,
  lcsDefault,
  lcsQuicken,
};

}  // namespace widgets
