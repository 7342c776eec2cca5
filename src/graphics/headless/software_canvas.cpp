#include "graphics/headless/software_canvas.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

#include "graphics/headless/pixel_font.h"
#include "graphics/headless/system_colors.h"
#include "graphics/headless/text_layout.h"

namespace graphics::headless {
namespace {

// GDI accepts shape rectangles with their corners in any order.
Rect normalized(Rect r) {
  if (r.right < r.left) std::swap(r.left, r.right);
  if (r.bottom < r.top) std::swap(r.top, r.bottom);
  return r;
}

// How far the outline of a round corner stands in from the side, on the row dy rows away from
// the nearest top or bottom edge. The corner is a quarter ellipse with radii rx and ry.
int cornerInset(int dy, double rx, double ry) {
  if (rx <= 0 || ry <= 0) return 0;
  const double v = (ry - dy - 0.25) / ry;
  if (v <= 0) return 0;
  return static_cast<int>(std::lround(rx - rx * std::sqrt(std::max(0.0, 1 - v * v))));
}

}  // namespace

void SoftwareCanvas::fillSpan(int y, int x0, int x1, Color c) {
  if (y < 0 || y >= surface_.height) return;
  x0 = std::max(x0, 0);
  x1 = std::min(x1, surface_.width - 1);
  if (x0 > x1) return;
  auto row = surface_.pixels.begin() + static_cast<std::ptrdiff_t>(y) * surface_.width;
  std::fill(row + x0, row + x1 + 1, c);
}

void SoftwareCanvas::fillRect(const Rect& r) {
  const Color c = resolve(brushColor_);
  for (int y = std::max(r.top, 0); y < std::min(r.bottom, surface_.height); ++y)
    fillSpan(y, r.left, r.right - 1, c);
}

void SoftwareCanvas::rectangle(const Rect& shape) {
  const Rect r = normalized(shape);
  if (r.empty()) return;
  const bool fill = brushStyle_ == BrushStyle::kSolid;
  const Color brush = resolve(brushColor_);
  if (penStyle_ == PenStyle::kClear) {
    if (fill) {
      for (int y = r.top; y < r.bottom - 1; ++y) fillSpan(y, r.left, r.right - 2, brush);
    }
    return;
  }
  const Color pen = resolve(penColor_);
  if (fill) {
    for (int y = r.top + 1; y < r.bottom - 1; ++y) fillSpan(y, r.left + 1, r.right - 2, brush);
  }
  fillSpan(r.top, r.left, r.right - 1, pen);
  fillSpan(r.bottom - 1, r.left, r.right - 1, pen);
  for (int y = r.top; y < r.bottom; ++y) {
    surface_.put(r.left, y, pen);
    surface_.put(r.right - 1, y, pen);
  }
}

void SoftwareCanvas::roundRect(const Rect& shape, int ellipseWidth, int ellipseHeight) {
  Rect r = normalized(shape);
  const bool outline = penStyle_ == PenStyle::kSolid;
  const bool fill = brushStyle_ == BrushStyle::kSolid;
  if (!outline) {
    r.right -= 1;
    r.bottom -= 1;
  }
  if (r.empty()) return;
  const double rx = std::min(std::abs(ellipseWidth), r.width()) / 2.0;
  const double ry = std::min(std::abs(ellipseHeight), r.height()) / 2.0;
  const Color pen = resolve(penColor_);
  const Color brush = resolve(brushColor_);
  for (int y = r.top; y < r.bottom; ++y) {
    const int dy = std::min(y - r.top, r.bottom - 1 - y);
    const int inset = cornerInset(dy, rx, ry);
    const int left = r.left + inset;
    const int right = r.right - 1 - inset;
    if (!outline) {
      if (fill) fillSpan(y, left, right, brush);
      continue;
    }
    if (dy == 0) {
      fillSpan(y, left, right, pen);
      continue;
    }
    // The outline joins the row nearer the edge, so steep parts of the corner have no gaps.
    const int outerInset = cornerInset(dy - 1, rx, ry);
    const int leftEnd = std::max(left, r.left + outerInset - 1);
    const int rightStart = std::min(right, r.right - outerInset);
    if (fill) fillSpan(y, leftEnd + 1, rightStart - 1, brush);
    fillSpan(y, left, leftEnd, pen);
    fillSpan(y, rightStart, right, pen);
  }
}

void SoftwareCanvas::lineTo(int x, int y) {
  const Point from = current_;
  current_ = {x, y};
  if (penStyle_ == PenStyle::kClear) return;
  const Color pen = resolve(penColor_);
  const int dx = std::abs(x - from.x);
  const int dy = -std::abs(y - from.y);
  const int sx = from.x < x ? 1 : -1;
  const int sy = from.y < y ? 1 : -1;
  int error = dx + dy;
  int px = from.x;
  int py = from.y;
  while (px != x || py != y) {
    surface_.put(px, py, pen);
    const int twice = 2 * error;
    if (twice >= dy) {
      error += dy;
      px += sx;
    }
    if (twice <= dx) {
      error += dx;
      py += sy;
    }
  }
}

int SoftwareCanvas::drawText(std::string_view text, Rect& r, unsigned flags) {
  const PixelFont pixelFont(font_);
  const int lineHeight = pixelFont.lineHeight();
  if (text.empty()) {
    if (flags & kDtCalcRect) {
      r.right = r.left;
      r.bottom = r.top + ((flags & kDtSingleLine) ? lineHeight : 0);
    }
    return 0;
  }
  const DisplayText display = (flags & kDtNoPrefix) ? DisplayText{std::string(text)} : stripPrefixes(text);
  const std::vector<TextLine> lines = layOutLines(display, flags, r.width(), pixelFont);
  const int height = static_cast<int>(lines.size()) * lineHeight;
  if (flags & kDtCalcRect) {
    int widest = 0;
    for (const TextLine& line : lines)
      widest = std::max(widest, pixelFont.width(static_cast<int>(line.text.size())));
    r.right = r.left + widest;
    r.bottom = r.top + height;
    return height;
  }

  int y = r.top;
  if ((flags & kDtSingleLine) && (flags & kDtVCenter)) y = r.top + (r.height() - lineHeight) / 2;
  const Color color = resolve(font_.color);
  const Rect clip = r;
  const auto sink = [&](int px, int py) {
    if (clip.contains({px, py})) surface_.put(px, py, color);
  };
  for (const TextLine& line : lines) {
    const int width = pixelFont.width(static_cast<int>(line.text.size()));
    int x = r.left;
    if (flags & kDtCenter) x = (r.left + r.right - width) / 2;
    if (flags & kDtRight) x = r.right - width;
    for (std::size_t i = 0; i < line.text.size(); ++i) {
      const bool underline = static_cast<int>(i) == line.underline;
      pixelFont.drawChar(line.text[i], x + static_cast<int>(i) * pixelFont.advance(), y, underline, sink);
    }
    y += lineHeight;
  }
  return height;
}

Size SoftwareCanvas::textExtent(std::string_view text) {
  const PixelFont pixelFont(font_);
  return {pixelFont.width(static_cast<int>(text.size())), pixelFont.lineHeight()};
}

void SoftwareCanvas::draw(int x, int y, const Bitmap& bitmap) {
  blit(x, y, bitmap, true);
}

void SoftwareCanvas::drawOpaque(int x, int y, const Bitmap& bitmap) {
  blit(x, y, bitmap, false);
}

void SoftwareCanvas::blit(int x, int y, const Bitmap& bitmap, bool useTransparency) {
  const std::optional<Color> seeThrough = useTransparency ? bitmap.seeThroughColor() : std::nullopt;
  const Canvas& source = bitmap.canvas();
  // Reading the whole source first keeps a bitmap drawn onto itself correct.
  std::vector<Color> pixels;
  pixels.reserve(static_cast<std::size_t>(bitmap.width()) * bitmap.height());
  for (int sy = 0; sy < bitmap.height(); ++sy) {
    for (int sx = 0; sx < bitmap.width(); ++sx) pixels.push_back(source.pixel(sx, sy));
  }
  std::size_t i = 0;
  for (int sy = 0; sy < bitmap.height(); ++sy) {
    for (int sx = 0; sx < bitmap.width(); ++sx, ++i) {
      if (seeThrough && pixels[i] == *seeThrough) continue;
      surface_.put(x + sx, y + sy, pixels[i]);
    }
  }
}

Color SoftwareCanvas::resolve(Color c) const {
  return isSystemColor(c) ? systemColor(systemColorIndex(c)) : c & 0x00FFFFFF;
}

Color SoftwareCanvas::pixel(int x, int y) const {
  return surface_.inside(x, y) ? surface_.at(x, y) : kInvalidPixel;
}

}  // namespace graphics::headless
