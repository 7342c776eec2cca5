#pragma once
#include <algorithm>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/canvas.h"
#include "widgets/lb_buttons.h"

namespace widgets::testing {

// Every argument of PaintButtonFace, starting from the main window's gold button, up.
struct FaceArgs {
  int width = 108;
  int height = 31;
  TAlignment alignment = taCenter;
  std::string caption = "Upgrade";
  TLbSpeedButtonLayout layout = blGlyphLeft;
  platform::Font font = boldFont();
  TColor shadowColor = clOlive;
  TColor lightColor = clYellow;
  TColor hotTrackColor = 0x0000DFDF;
  TColor colorWhenDown = clNone;
  TColor color = 0x0000C0C0;
  TLbSpeedButtonStyle style = bsModern;
  bool hasPopupMenu = false;
  bool wordWrap = false;
  bool flat = false;
  bool enabled = true;
  bool transparent = false;
  bool mouseInside = false;
  bool down = false;
  const platform::Bitmap* glyph = nullptr;  // none when null
  int numGlyphs = 0;
  int fadeStep = 0;

  static platform::Font boldFont() {
    platform::Font f;
    f.style = platform::kFontBold;
    f.color = 0x00005555;
    return f;
  }
};

// Composes a face as the button control does: a fresh bitmap, the key colour beneath faces
// that leave parts of it see-through, then the painter.
inline std::unique_ptr<platform::Bitmap> paintFace(const FaceArgs& a) {
  auto face = platform::createBitmap(a.width, a.height);
  platform::Canvas& canvas = face->canvas();
  if (a.transparent || a.style == bsModern || a.style == bsShape || a.style == bsQuicken) {
    canvas.setBrushColor(kFaceKeyColor);
    canvas.fillRect({0, 0, a.width, a.height});
    face->setTransparentColor(kFaceKeyColor);
  }
  const auto noGlyph = platform::createBitmap(0, 0);
  PaintButtonFace(canvas, a.width, a.height, a.alignment, a.caption, a.layout, a.font, a.shadowColor,
                  a.lightColor, a.hotTrackColor, a.colorWhenDown, a.color, a.style, a.hasPopupMenu,
                  a.wordWrap, a.flat, a.enabled, a.transparent, a.mouseInside, a.down,
                  a.glyph ? *a.glyph : *noGlyph, a.numGlyphs, a.fadeStep);
  return face;
}

// The smallest rectangle holding every pixel of the given colour; empty when there is none.
inline platform::Rect boundsOf(const platform::Canvas& canvas, int width, int height, platform::Color color) {
  platform::Rect r{width, height, 0, 0};
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      if (canvas.pixel(x, y) != color) continue;
      r.left = std::min(r.left, x);
      r.top = std::min(r.top, y);
      r.right = std::max(r.right, x + 1);
      r.bottom = std::max(r.bottom, y + 1);
    }
  }
  return r.empty() ? platform::Rect{} : r;
}

// A strip of `frames` square frames of side `side`, frame i filled with colours[i] except for
// a white lower-left pixel, which makes white the frame's transparent colour.
inline std::unique_ptr<platform::Bitmap> makeStrip(int side, const std::vector<platform::Color>& colors) {
  const int frames = static_cast<int>(colors.size());
  auto strip = platform::createBitmap(side * frames, side);
  platform::Canvas& c = strip->canvas();
  for (int i = 0; i < frames; ++i) {
    c.setBrushColor(colors[static_cast<std::size_t>(i)]);
    c.fillRect({i * side, 0, (i + 1) * side, side});
    c.setBrushColor(clWhite);
    c.fillRect({i * side, side - 1, i * side + 1, side});
  }
  return strip;
}

}  // namespace widgets::testing
