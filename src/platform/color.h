#pragma once
#include <cstdint>

namespace platform {

// 0x00BBGGRR, red in the low byte. A top byte of 0xFF marks a system colour: 0xFF000000 plus
// the system colour index, resolved to RGB only where channels are computed.
using Color = std::uint32_t;

inline constexpr Color kNoColor = 0x1FFFFFFF;
// The system colours that the toolkit's controls start with.
inline constexpr Color kBtnFaceColor = 0xFF00000F;
inline constexpr Color kWindowColor = 0xFF000005;

constexpr bool isSystemColor(Color c) {
  return (c >> 24) == 0xFF;
}
constexpr int systemColorIndex(Color c) {
  return static_cast<int>(c & 0xFF);
}
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

}  // namespace platform
