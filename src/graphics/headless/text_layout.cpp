#include "graphics/headless/text_layout.h"

#include "graphics/canvas.h"

namespace graphics::headless {
namespace {

struct Span {
  std::size_t start = 0;
  std::size_t length = 0;
};

void wrapParagraph(std::string_view text, std::size_t offset, int maxWidth, const PixelFont& font,
                   std::vector<Span>& out) {
  std::size_t pos = 0;
  const std::size_t n = text.size();
  if (n == 0) {
    out.push_back({offset, 0});
    return;
  }
  while (pos < n) {
    const std::size_t lineStart = pos;
    std::size_t end = lineStart;
    std::size_t lastSpace = std::string_view::npos;
    while (end < n) {
      if (end > lineStart && font.width(static_cast<int>(end + 1 - lineStart)) > maxWidth) break;
      if (text[end] == ' ') lastSpace = end;
      ++end;
    }
    if (end == n) {
      out.push_back({offset + lineStart, n - lineStart});
      return;
    }
    std::size_t lineEnd = end;
    if (text[end] != ' ') {
      if (lastSpace != std::string_view::npos && lastSpace > lineStart) {
        lineEnd = lastSpace;
      } else {
        while (lineEnd < n && text[lineEnd] != ' ') ++lineEnd;
      }
    }
    std::size_t next = lineEnd;
    while (lineEnd > lineStart && text[lineEnd - 1] == ' ') --lineEnd;
    while (next < n && text[next] == ' ') ++next;
    out.push_back({offset + lineStart, lineEnd - lineStart});
    pos = next;
  }
}

}  // namespace

DisplayText stripPrefixes(std::string_view text) {
  DisplayText result;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '&' && i + 1 < text.size()) {
      ++i;
      if (text[i] != '&' && result.underline < 0) result.underline = static_cast<int>(result.text.size());
    }
    result.text.push_back(text[i]);
  }
  return result;
}

std::vector<TextLine> layOutLines(const DisplayText& display, unsigned flags, int maxWidth,
                                  const PixelFont& font) {
  const std::string_view text = display.text;
  std::vector<Span> spans;
  if (flags & kDtSingleLine) {
    spans.push_back({0, text.size()});
  } else {
    std::size_t start = 0;
    while (true) {
      const std::size_t feed = text.find('\n', start);
      std::size_t end = feed == std::string_view::npos ? text.size() : feed;
      const std::size_t next = end + 1;
      if (end > start && text[end - 1] == '\r') --end;
      const std::string_view paragraph = text.substr(start, end - start);
      if (flags & kDtWordBreak) {
        wrapParagraph(paragraph, start, maxWidth, font, spans);
      } else {
        spans.push_back({start, paragraph.size()});
      }
      if (feed == std::string_view::npos) break;
      start = next;
    }
  }

  std::vector<TextLine> lines;
  lines.reserve(spans.size());
  for (const Span& span : spans) {
    TextLine line{std::string(text.substr(span.start, span.length))};
    const int local = display.underline - static_cast<int>(span.start);
    if (display.underline >= 0 && local >= 0 && local < static_cast<int>(span.length)) line.underline = local;
    lines.push_back(std::move(line));
  }
  return lines;
}

}  // namespace graphics::headless
