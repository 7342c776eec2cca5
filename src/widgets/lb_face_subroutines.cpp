#include <algorithm>
#include <exception>

#include "widgets/lb_buttons.h"
#include "widgets/lb_fade.h"

namespace widgets {
namespace {

int floorDiv(int numerator, int denominator) {
  const int quotient = numerator / denominator;
  return (numerator % denominator != 0 && (numerator < 0) != (denominator < 0)) ? quotient - 1 : quotient;
}

}  // namespace

void FillGradientBands(graphics::Canvas& canvas, TColor topColor, TColor bottomColor, int left, int top,
                       int right, int bottom) {
  if (right <= left || bottom <= top) return;
  constexpr int kBands = 32;
  constexpr int kSteps = kBands - 1;
  const graphics::PenStyle keptPen = canvas.penStyle();
  canvas.setPenStyle(graphics::PenStyle::kClear);
  const TColor from = canvas.resolve(topColor);
  const TColor to = canvas.resolve(bottomColor);
  const auto channel = [](int start, int end, int band) {
    return start + floorDiv(band * (end - start), kSteps);
  };
  const int span = bottom - top;
  const int bandHeight = span / kSteps + 1;
  for (int band = 0; band < kBands; ++band) {
    const int y = top + band * span / kSteps;
    canvas.setBrushColor(graphics::rgb(channel(graphics::red(from), graphics::red(to), band),
                                       channel(graphics::green(from), graphics::green(to), band),
                                       channel(graphics::blue(from), graphics::blue(to), band)));
    canvas.fillRect({left, y, right, std::min(y + bandHeight, bottom)});
  }
  canvas.setPenStyle(keptPen);
}

TColor BlendHotTrackColor(const graphics::Canvas& canvas, TColor color, TColor hotTrackColor, int fadeStep) {
  const int k = std::clamp(fadeStep, 0, kFadeSteps);
  const TColor base = canvas.resolve(color);
  const TColor hot = canvas.resolve(hotTrackColor);
  const auto mix = [k](int c, int hc) { return (c * (kFadeSteps - k) + hc * k) / kFadeSteps; };
  return graphics::rgb(mix(graphics::red(base), graphics::red(hot)),
                       mix(graphics::green(base), graphics::green(hot)),
                       mix(graphics::blue(base), graphics::blue(hot)));
}

void DrawGlyphFrame(graphics::Canvas& canvas, const graphics::Bitmap& glyph, int x, int y, int sourceX,
                    int sourceY, int frameWidth, int frameHeight) {
  if (frameWidth <= 0 || frameHeight <= 0) return;
  // Starting from a copy of the strip leaves frame 0 in place where the strip has nothing at
  // the source position. Should the copy fail, the frame is drawn from the strip alone.
  std::unique_ptr<graphics::Bitmap> frame;
  try {
    frame = glyph.clone();
  } catch (const std::exception&) {
    frame = graphics::createBitmap(0, 0);
  }
  frame->setSize(frameWidth, frameHeight);
  frame->canvas().drawOpaque(-sourceX, -sourceY, glyph);
  frame->setAutoTransparent();
  canvas.draw(x, y, *frame);
}

}  // namespace widgets
