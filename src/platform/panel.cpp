#include "platform/panel.h"

namespace platform {
namespace {
constexpr Color kBtnHighlight = 0xFF000014;
constexpr Color kBtnShadow = 0xFF000010;
}  // namespace

void Panel::paint(Canvas& canvas, const Rect& clip) {
  const int w = bounds_.width();
  const int h = bounds_.height();
  canvas.setBrushStyle(BrushStyle::kSolid);
  canvas.setBrushColor(color_);
  canvas.fillRect({0, 0, w, h});
  // A raised bevel one pixel wide: light on the top and left, shadow on the bottom and right.
  canvas.setPenStyle(PenStyle::kSolid);
  canvas.setPenColor(canvas.resolve(kBtnHighlight));
  canvas.moveTo(0, h - 1);
  canvas.lineTo(0, 0);
  canvas.lineTo(w - 1, 0);
  canvas.setPenColor(canvas.resolve(kBtnShadow));
  canvas.lineTo(w - 1, h - 1);
  canvas.lineTo(-1, h - 1);
  paintControls(canvas, clip);
}

}  // namespace platform
