// Value types only: the button's enumerations, whose ordinals descriptions store, and their names.
#pragma once
#include <array>
#include <cstdint>

#include "description/enumerators.h"

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

// The names descriptions give them, in ordinal order (the compiler holds each list to it).
inline constexpr std::array kStyleNames{ENUMERATOR(bsNormal), ENUMERATOR(bsEncarta), ENUMERATOR(bsModern),
                                        ENUMERATOR(bsOld),    ENUMERATOR(bsShape),   ENUMERATOR(bsQuicken)};
static_assert(description::everyOrdinalInOrder(kStyleNames, bsQuicken));
inline constexpr std::array kLayoutNames{ENUMERATOR(blGlyphLeft), ENUMERATOR(blGlyphRight),
                                         ENUMERATOR(blGlyphTop), ENUMERATOR(blGlyphBottom)};
static_assert(description::everyOrdinalInOrder(kLayoutNames, blGlyphBottom));
inline constexpr std::array kAlignmentNames{ENUMERATOR(taLeftJustify), ENUMERATOR(taRightJustify),
                                            ENUMERATOR(taCenter)};
static_assert(description::everyOrdinalInOrder(kAlignmentNames, taCenter));
inline constexpr std::array kColorStyleNames{
    ENUMERATOR(lcsCustom), ENUMERATOR(lcsGold),       ENUMERATOR(lcsChrome),     ENUMERATOR(lcsBlue),
    ENUMERATOR(lcsRed),    ENUMERATOR(lcsUltraFlat1), ENUMERATOR(lcsUltraFlat2), ENUMERATOR(lcsUltraFlatXP),
    ENUMERATOR(lcsAqua),   ENUMERATOR(lcsDefault),    ENUMERATOR(lcsQuicken)};
static_assert(description::everyOrdinalInOrder(kColorStyleNames, lcsQuicken));

}  // namespace widgets
