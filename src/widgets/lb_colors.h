// Value types only: the button's colour type and its named colours.
#pragma once
#include "graphics/color.h"

namespace widgets {

// 0x00BBGGRR; a top byte of 0xFF marks a system colour, resolved only where channels are mixed.
using TColor = graphics::Color;

inline constexpr TColor clBlack = 0x00000000;
inline constexpr TColor clWhite = 0x00FFFFFF;
inline constexpr TColor clGray = 0x00808080;
inline constexpr TColor clSilver = 0x00C0C0C0;
inline constexpr TColor clRed = 0x000000FF;
inline constexpr TColor clBlue = 0x00FF0000;
inline constexpr TColor clAqua = 0x00FFFF00;
inline constexpr TColor clYellow = 0x0000FFFF;
inline constexpr TColor clOlive = 0x00008080;
inline constexpr TColor clFuchsia = 0x00FF00FF;
// The system colours under the names a window description gives them.
inline constexpr TColor clBtnFace = graphics::kBtnFaceColor;
inline constexpr TColor cl3DDkShadow = graphics::k3DDkShadowColor;
inline constexpr TColor clWindow = graphics::kWindowColor;
inline constexpr TColor clWindowText = graphics::kWindowTextColor;
inline constexpr TColor clNone = graphics::kNoColor;

// Pixels of a button's off-screen face left in this colour are see-through on screen.
inline constexpr TColor kFaceKeyColor = clFuchsia;

}  // namespace widgets
