// Value types only: colours as the system stores them, and the system colours by index.
#pragma once
#include <cstdint>

namespace graphics {

// 0x00BBGGRR, red in the low byte. A top byte of 0xFF marks a system colour: 0xFF000000 plus
// the system colour index, resolved to RGB only where channels are computed.
using Color = std::uint32_t;

inline constexpr Color kNoColor = 0x1FFFFFFF;

constexpr bool isSystemColor(Color c) {
  return (c >> 24) == 0xFF;
}
constexpr int systemColorIndex(Color c) {
  return static_cast<int>(c & 0xFF);
}
// The system colour of that index in the system's colour table.
constexpr Color systemColorFromIndex(int index) {
  return 0xFF000000u | static_cast<Color>(index & 0xFF);
}

// The system colours that the toolkit's controls and the widgets paint with.
inline constexpr Color kWindowColor = systemColorFromIndex(5);
inline constexpr Color kWindowTextColor = systemColorFromIndex(8);
inline constexpr Color kBtnFaceColor = systemColorFromIndex(15);
inline constexpr Color kBtnShadowColor = systemColorFromIndex(16);
inline constexpr Color kBtnHighlightColor = systemColorFromIndex(20);
inline constexpr Color k3DDkShadowColor = systemColorFromIndex(21);

constexpr std::uint8_t red(Color c) {
  return static_cast<std::uint8_t>(c & 0xFF);
}
constexpr std::uint8_t green(Color c) {
  return static_cast<std::uint8_t>((c >> 8) & 0xFF);
}
constexpr std::uint8_t blue(Color c) {
  return static_cast<std::uint8_t>((c >> 16) & 0xFF);
}
constexpr Color rgb(unsigned r, unsigned g, unsigned b) {
  return static_cast<Color>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}

}  // namespace graphics
