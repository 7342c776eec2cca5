#include "widgets/push_button_face.h"

namespace widgets {
namespace {

using platform::Color;
constexpr Color kBtnFace = 0xFF00000F;
constexpr Color kBtnShadow = 0xFF000010;
constexpr Color kBtnHighlight = 0xFF000014;
constexpr Color k3DDkShadow = 0xFF000015;
constexpr Color kGrayText = 0xFF000011;

void frameLine(platform::Canvas& c, Color color, int x0, int y0, int x1, int y1, int x2, int y2) {
  c.setPenColor(c.resolve(color));
  c.moveTo(x0, y0);
  c.lineTo(x1, y1);
  c.lineTo(x2, y2);
}

}  // namespace

void paintPushButtonFace(platform::Canvas& canvas, int width, int height, std::string_view caption,
                         const platform::Font& font, bool enabled, bool down) {
  const int w = width;
  const int h = height;
  canvas.setPenStyle(platform::PenStyle::kSolid);
  canvas.setBrushStyle(platform::BrushStyle::kSolid);
  canvas.setBrushColor(canvas.resolve(kBtnFace));
  canvas.fillRect({0, 0, w, h});
  if (down) {
    frameLine(canvas, k3DDkShadow, 0, h - 1, 0, 0, w, 0);
    frameLine(canvas, kBtnShadow, 1, h - 2, 1, 1, w - 1, 1);
    frameLine(canvas, kBtnHighlight, 0, h - 1, w - 1, h - 1, w - 1, -1);
  } else {
    frameLine(canvas, kBtnHighlight, 0, h - 1, 0, 0, w - 1, 0);
    frameLine(canvas, k3DDkShadow, w - 1, 0, w - 1, h - 1, -1, h - 1);
    frameLine(canvas, kBtnShadow, w - 2, 1, w - 2, h - 2, 0, h - 2);
  }

  const int shift = down ? 1 : 0;
  canvas.setBrushStyle(platform::BrushStyle::kClear);
  platform::Font face = font;
  const unsigned flags = platform::kDtCenter | platform::kDtVCenter | platform::kDtSingleLine;
  if (!enabled) {
    // Embossed: a highlight copy one pixel down and right under the grey text.
    face.color = canvas.resolve(kBtnHighlight);
    canvas.setFont(face);
    platform::Rect emboss{1, 1, w + 1, h + 1};
    canvas.drawText(caption, emboss, flags);
    face.color = canvas.resolve(kGrayText);
  }
  canvas.setFont(face);
  platform::Rect text{shift, shift, w + shift, h + shift};
  canvas.drawText(caption, text, flags);
}

}  // namespace widgets
