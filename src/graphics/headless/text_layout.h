#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "graphics/headless/pixel_font.h"

namespace graphics::headless {

// Caption text after accelerator-prefix processing: "&x" shows x underlined, "&&" shows one "&",
// and an "&" with nothing after it shows as itself.
struct DisplayText {
  std::string text;
  int underline = -1;  // index into text, or -1
};
DisplayText stripPrefixes(std::string_view text);

struct TextLine {
  std::string text;
  int underline = -1;  // index into text, or -1
};

// Breaks the text into lines as DrawTextA does: at line feeds unless kDtSingleLine, and with
// kDtWordBreak after the last space that still fits maxWidth. A word wider than maxWidth keeps
// a line of its own and is not split; spaces at a break belong to neither line.
std::vector<TextLine> layOutLines(const DisplayText& text, unsigned flags, int maxWidth,
                                  const PixelFont& font);

}  // namespace graphics::headless
