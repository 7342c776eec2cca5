// Value types only: a font as a description and a canvas speak of it.
#pragma once
#include <cstdint>
#include <string>

#include "graphics/color.h"

namespace graphics {

enum FontStyle : unsigned { kFontBold = 1, kFontItalic = 2, kFontUnderline = 4, kFontStrikeOut = 8 };

inline constexpr int kDefaultCharset = 1;

// A font description: a value, copied wherever it is used.
struct Font {
  std::string name = "MS Sans Serif";
  int height = -11;    // negative: character height without internal leading, in pixels
  unsigned style = 0;  // FontStyle bits
  Color color = kWindowTextColor;
  int charset = kDefaultCharset;

  bool operator==(const Font&) const = default;
};

}  // namespace graphics
