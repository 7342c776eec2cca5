#include "showcase_art.h"

#include <algorithm>
#include <array>
#include <cstdlib>

#include "widgets/lb_colors.h"

namespace showcase {
namespace {

using graphics::Canvas;
using graphics::Color;
using graphics::Rect;

constexpr Color kInk = 0x00603818;

void pixelRow(Canvas& c, int x0, int x1, int y, Color color) {
  c.setBrushColor(color);
  c.fillRect({x0, y, x1, y + 1});
}

void drawSquare(Canvas& c, int x) {
  c.setPenColor(kInk);
  c.setBrushColor(0x0040A0F0);
  c.rectangle({x + 2, 2, x + 14, 14});
}

void drawDisc(Canvas& c, int x) {
  c.setPenColor(kInk);
  c.setBrushColor(0x0050C050);
  c.roundRect({x + 1, 1, x + 15, 15}, 14, 14);
}

void drawPlay(Canvas& c, int x) {
  // A triangle pointing right, row by row.
  for (int y = 2; y < 14; ++y) {
    const int reach = 7 - std::abs(2 * y - 15) / 2;
    pixelRow(c, x + 4, x + 5 + reach, y, 0x002020D0);
  }
  c.setPenColor(kInk);
  c.moveTo(x + 4, 2);
  c.lineTo(x + 4, 14);
}

void drawPlus(Canvas& c, int x) {
  c.setBrushColor(0x00C07020);
  c.fillRect({x + 6, 2, x + 10, 14});
  c.fillRect({x + 2, 6, x + 14, 10});
}

void drawCross(Canvas& c, int x) {
  for (int i = 0; i < 12; ++i) {
    pixelRow(c, x + 2 + i, x + 4 + i, 2 + i, 0x003030B0);
    pixelRow(c, x + 12 - i, x + 14 - i, 2 + i, 0x003030B0);
  }
}

}  // namespace

void Label::paint(Canvas& canvas) {
  canvas.setFont(font());
  Rect box{0, 0, width(), height()};
  canvas.drawText(caption(), box,
                  graphics::kDtLeft | graphics::kDtVCenter | graphics::kDtSingleLine | graphics::kDtNoPrefix);
}

void Checkerboard::paint(Canvas& canvas) {
  constexpr int kCell = 10;
  constexpr std::array<Color, 2> kCells = {0x00F0E0C8, 0x00B89870};
  for (int y = 0; y < height(); y += kCell) {
    for (int x = 0; x < width(); x += kCell) {
      canvas.setBrushColor(kCells[static_cast<std::size_t>((x / kCell + y / kCell) % 2)]);
      canvas.fillRect({x, y, std::min(x + kCell, width()), std::min(y + kCell, height())});
    }
  }
}

std::unique_ptr<graphics::Bitmap> makeImageStrip() {
  auto strip = graphics::createBitmap(16 * kImageCount, 16);
  Canvas& c = strip->canvas();
  c.setBrushColor(widgets::clFuchsia);
  c.fillRect({0, 0, 16 * kImageCount, 16});
  drawSquare(c, 0);
  drawDisc(c, 16);
  drawPlay(c, 32);
  drawPlus(c, 48);
  drawCross(c, 64);
  return strip;
}

std::unique_ptr<graphics::Bitmap> makeFourFrameGlyph() {
  constexpr std::array<Color, 4> kFrames = {0x0000A0E0, 0x00A0A0A0, 0x00005090, 0x0000D8FF};
  auto strip = graphics::createBitmap(64, 16);
  Canvas& c = strip->canvas();
  c.setBrushColor(widgets::clWhite);
  c.fillRect({0, 0, 64, 16});
  for (int frame = 0; frame < 4; ++frame) {
    const Color fill = kFrames[static_cast<std::size_t>(frame)];
    const int x = frame * 16;
    // A four-pointed star: a diamond of rows plus a cross through it.
    for (int y = 1; y < 15; ++y) {
      const int half = std::max(0, 4 - std::abs(2 * y - 15) / 2) + (y > 5 && y < 10 ? 2 : 0);
      pixelRow(c, x + 8 - half, x + 8 + half, y, fill);
    }
    c.setBrushColor(fill);
    c.fillRect({x + 7, 0, x + 9, 16});
    c.fillRect({x, 7, x + 16, 9});
  }
  return strip;
}

}  // namespace showcase
