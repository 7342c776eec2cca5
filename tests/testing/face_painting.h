#pragma once
#include <algorithm>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "gold_button.h"
#include "graphics/canvas.h"
#include "widgets/lb_buttons.h"
#include "widgets/lb_face_composer.h"

namespace widgets::testing {

// The main window's gold button, up: what most face tests start from.
struct FaceArgs : TLbButtonFace {
  FaceArgs() : TLbButtonFace(gold_button::face(gold_button::kWidth, gold_button::kHeight, "Upgrade")) {}
};

// Colours that no preset and no system colour has, so that a pixel tells which part painted it.
inline constexpr graphics::Color kFace = 0x00336699;
inline constexpr graphics::Color kLight = 0x00EEEEEE;
inline constexpr graphics::Color kShadow = 0x00222222;

// A face of the style in those colours, without caption or hot-track colour: what the tests of
// frames and colours start from.
inline FaceArgs distinctFace(TLbSpeedButtonStyle style, int width = 40, int height = 20) {
  FaceArgs a;
  a.style = style;
  a.caption = "";
  a.color = kFace;
  a.hotTrackColor = clNone;
  a.lightColor = kLight;
  a.shadowColor = kShadow;
  a.width = width;
  a.height = height;
  return a;
}

inline std::unique_ptr<graphics::Bitmap> paintFace(const TLbButtonFace& a) {
  return ComposeButtonFace(a);
}

// The smallest rectangle holding every pixel of the given colour; empty when there is none.
inline graphics::Rect boundsOf(const graphics::Canvas& canvas, int width, int height, graphics::Color color) {
  graphics::Rect r{width, height, 0, 0};
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      if (canvas.pixel(x, y) != color) continue;
      r.left = std::min(r.left, x);
      r.top = std::min(r.top, y);
      r.right = std::max(r.right, x + 1);
      r.bottom = std::max(r.bottom, y + 1);
    }
  }
  return r.empty() ? graphics::Rect{} : r;
}

// A strip of `frames` square frames of side `side`, frame i filled with colours[i] except for
// a white lower-left pixel, which makes white the frame's transparent colour.
inline std::unique_ptr<graphics::Bitmap> makeStrip(int side, const std::vector<graphics::Color>& colors) {
  const int frames = static_cast<int>(colors.size());
  auto strip = graphics::createBitmap(side * frames, side);
  graphics::Canvas& c = strip->canvas();
  for (int i = 0; i < frames; ++i) {
    c.setBrushColor(colors[static_cast<std::size_t>(i)]);
    c.fillRect({i * side, 0, (i + 1) * side, side});
    c.setBrushColor(clWhite);
    c.fillRect({i * side, side - 1, i * side + 1, side});
  }
  return strip;
}

}  // namespace widgets::testing
