#include "widgets/lb_buttons.h"

#include <algorithm>
#include <memory>
#include <string>

namespace widgets {
namespace {

using graphics::Rect;

// Everything the steps after the background need, derived once from the arguments.
struct Face {
  graphics::Canvas& canvas;
  int w;
  int h;
  int press;  // moves caption and glyph while down
  bool down;
  bool enabled;
  TColor faceColor;
};

struct Glyph {
  int width = 0;  // one frame's
  int height = 0;
  int sourceX = 0;
};

struct Caption {
  std::string text;
  int available = 0;
  int height = 0;
  int width = 0;
};

unsigned captionFlags(TAlignment alignment) {
  switch (alignment) {
    case taRightJustify:
      return graphics::kDtWordBreak | graphics::kDtRight;
    case taCenter:
      return graphics::kDtWordBreak | graphics::kDtCenter;
    case taLeftJustify:
      break;
  }
  return graphics::kDtWordBreak;
}

TColor faceColorOf(const graphics::Canvas& canvas, TColor color, TColor hotTrackColor, TColor colorWhenDown,
                   bool enabled, bool down, int fadeStep) {
  TColor face = canvas.resolve(color);
  if (enabled && hotTrackColor != clNone) face = BlendHotTrackColor(canvas, color, hotTrackColor, fadeStep);
  if (down && colorWhenDown != clNone) face = colorWhenDown;
  return face;
}

void paintBackground(const Face& f, TLbSpeedButtonStyle style, TColor lightColor, bool transparent) {
  graphics::Canvas& c = f.canvas;
  if (style == bsShape) {
    c.setBrushColor(kFaceKeyColor);
    c.rectangle({-1, -1, f.w + 1, f.h + 1});
    return;
  }
  if (transparent) return;
  c.setBrushColor(f.faceColor);
  switch (style) {
    case bsModern: {
      const int split = f.h / 4 + f.press;
      FillGradientBands(c, lightColor, f.faceColor, 2, 2, f.w - 2, split);
      FillGradientBands(c, f.faceColor, lightColor, 2, split, f.w - 2, f.h - 1);
      break;
    }
    case bsNormal:
    case bsEncarta:
    case bsOld:
      c.rectangle({-1, -1, f.w + 1, f.h + 1});
      break;
    case bsShape:
    case bsQuicken:
      break;
  }
}

void paintFrame(const Face& f, TLbSpeedButtonStyle style, TColor shadowColor, TColor lightColor, bool flat,
                bool mouseInside) {
  graphics::Canvas& c = f.canvas;
  const int w = f.w;
  const int h = f.h;
  const bool frameShows = !flat || (f.enabled && (mouseInside || f.down));
  switch (style) {
    case bsModern:
      c.setPenColor(f.down ? shadowColor : f.faceColor);
      c.rectangle({1, 1, w - 1, h - 1});
      c.setPenColor(shadowColor);
      c.roundRect({0, 0, w, h}, 6, 6);
      break;
    case bsNormal:
    case bsEncarta:
      if (!frameShows) break;
      c.setPenColor(f.down ? shadowColor : lightColor);
      c.moveTo(0, h - 1);
      c.lineTo(0, 0);
      c.lineTo(w - 1, 0);
      c.setPenColor(f.down ? lightColor : shadowColor);
      c.lineTo(w - 1, h - 1);
      c.lineTo(0, h - 1);
      break;
    case bsOld:
      if (!frameShows) break;
      c.setPenColor(shadowColor);
      if (f.down) {
        c.moveTo(1, h - 3);
        c.lineTo(1, 1);
        c.lineTo(w - 2, 1);
      } else {
        c.moveTo(w - 2, 0);
        c.lineTo(w - 2, h - 2);
        c.lineTo(0, h - 2);
      }
      c.setPenColor(f.down ? cl3DDkShadow : lightColor);
      c.moveTo(0, h - 1);
      c.lineTo(0, 0);
      c.lineTo(w - 1, 0);
      c.setPenColor(f.down ? lightColor : cl3DDkShadow);
      c.lineTo(w - 1, h - 1);
      c.lineTo(-1, h - 1);
      break;
    case bsQuicken:
      c.setPenStyle(graphics::PenStyle::kClear);
      c.setBrushColor(f.faceColor);
      c.setBrushStyle(graphics::BrushStyle::kSolid);
      c.roundRect({0, 1, w, h}, 4, 4);
      c.setBrushStyle(graphics::BrushStyle::kClear);
      c.setPenStyle(graphics::PenStyle::kSolid);
      c.setPenColor(shadowColor);
      c.moveTo(4, 0);
      c.lineTo(w - 5, 0);
      c.moveTo(4, h - 1);
      c.lineTo(w - 5, h - 1);
      break;
    case bsShape:
      break;
  }
}

Glyph glyphFrameOf(const graphics::Bitmap& strip, int numGlyphs, bool enabled, bool mouseInside, bool down) {
  Glyph g;
  // A count below 1, or one that leaves frames narrower than a pixel, means no glyph at all:
  // nothing is drawn and no room is kept for it.
  if (numGlyphs <= 0 || strip.width() / numGlyphs == 0) return g;
  g.width = strip.width() / numGlyphs;
  g.height = strip.height();
  if (!enabled) {
    g.sourceX = g.width;
    return g;
  }
  if (mouseInside && numGlyphs > 3) g.sourceX = 3 * g.width;
  if (down && numGlyphs > 2) g.sourceX = 2 * g.width;
  return g;
}

// The drop-down arrow, see-through where it is white (its lower-left pixel). Loaded on first use
// and kept: loading a bitmap resource costs more than the rest of a frame under Wine. Only a
// bitmap that loaded is kept, so a missing resource fails every frame that needs it. The painter
// runs on the GUI thread only.
const graphics::Bitmap& arrowBitmap() {
  static std::unique_ptr<graphics::Bitmap> arrow;
  if (!arrow) {
    auto loaded = graphics::loadBitmapResource("LBARROW");
    loaded->setAutoTransparent();
    arrow = std::move(loaded);
  }
  return *arrow;
}

// Cuts the caption from its end until it fits, unless it may wrap, then measures its layout.
Caption fitCaption(graphics::Canvas& canvas, std::string_view text, int available, bool wordWrap) {
  Caption caption{std::string(text), std::max(available, 0)};
  if (!wordWrap) {
    while (!caption.text.empty() && caption.available < canvas.textExtent(caption.text).cx)
      caption.text.pop_back();
  }
  Rect extent{0, 0, caption.available, 0};
  canvas.drawText(caption.text, extent, graphics::kDtCalcRect | graphics::kDtWordBreak);
  caption.height = extent.bottom;
  caption.width = extent.right;
  return caption;
}

struct Placement {
  int captionLeft = 0;
  int captionTop = 0;
  int glyphLeft = 0;
  int glyphTop = 0;
};

Placement placeSideBySide(const Face& f, const Caption& caption, const Glyph& glyph,
                          TLbSpeedButtonLayout layout, TAlignment alignment, bool wordWrap) {
  const int p = f.press;
  const int tw = caption.text.empty() ? 0 : caption.width + 4;
  const int gw = glyph.width;
  Placement at;
  at.captionTop = (f.h - caption.height) / 2 + p;
  at.glyphTop = (f.h - glyph.height) / 2 + p;
  at.captionLeft = (layout == blGlyphLeft && gw > 0) ? p + 4 + gw + 4 : p + 4;
  const bool left = layout == blGlyphLeft;
  if (wordWrap || alignment == taLeftJustify) {
    at.glyphLeft = left ? p + 4 : p + 4 + tw;
  } else if (alignment == taRightJustify) {
    at.glyphLeft = left ? f.w - 4 - gw - tw + p : f.w - 4 - gw + p;
  } else {
    at.glyphLeft = left ? (f.w - gw) / 2 + p - tw / 2 : (f.w - gw) / 2 + p + tw / 2;
  }
  return at;
}

Placement placeStacked(const Face& f, const Caption& caption, const Glyph& glyph, TLbSpeedButtonLayout layout,
                       TAlignment alignment) {
  const int p = f.press;
  const int blockHeight = caption.height + (glyph.height > 0 ? glyph.height + 4 : 0);
  const int blockTop = (f.h - blockHeight) / 2 + p;
  Placement at;
  at.captionLeft = p + 4;
  if (layout == blGlyphTop) {
    at.glyphTop = blockTop;
    at.captionTop = blockTop + glyph.height;
  } else {
    at.captionTop = blockTop;
    at.glyphTop = blockTop + caption.height;
  }
  switch (alignment) {
    case taLeftJustify:
      at.glyphLeft = p + 4;
      break;
    case taRightJustify:
      at.glyphLeft = f.w - glyph.width - 4 + p;
      break;
    case taCenter:
      at.glyphLeft = (f.w - glyph.width) / 2 + p;
      break;
  }
  return at;
}

void drawGlyph(const Face& f, const graphics::Bitmap& strip, const Glyph& glyph, int x, int y) {
  DrawGlyphFrame(f.canvas, strip, x, y, glyph.sourceX, 0, glyph.width, glyph.height);
}

void paintShapeContent(const Face& f, std::string_view text, const graphics::Bitmap& strip,
                       const Glyph& glyph, bool wordWrap) {
  const Caption caption = fitCaption(f.canvas, text, f.w - 8, wordWrap);
  drawGlyph(f, strip, glyph, (f.w - glyph.width) / 2, (f.h - glyph.height) / 2);
  Rect box{f.press, (f.h - caption.height) / 2 + f.press, f.w, f.h};
  f.canvas.drawText(caption.text, box, graphics::kDtWordBreak | graphics::kDtCenter);
}

void paintContent(const Face& f, std::string_view text, TAlignment alignment, TLbSpeedButtonLayout layout,
                  const graphics::Bitmap& strip, const Glyph& glyph, bool wordWrap) {
  const bool sideBySide = layout == blGlyphLeft || layout == blGlyphRight;
  const int available = (sideBySide && glyph.width > 0) ? f.w - 8 - (glyph.width + 4) : f.w - 8;
  const Caption caption = fitCaption(f.canvas, text, available, wordWrap);
  const Placement at = sideBySide ? placeSideBySide(f, caption, glyph, layout, alignment, wordWrap)
                                  : placeStacked(f, caption, glyph, layout, alignment);
  if (!f.enabled) {
    graphics::Font grey = f.canvas.font();
    grey.color = clGray;
    f.canvas.setFont(grey);
  }
  Rect box{at.captionLeft, at.captionTop, at.captionLeft + caption.available, at.captionTop + caption.height};
  f.canvas.drawText(caption.text, box, captionFlags(alignment));
  drawGlyph(f, strip, glyph, at.glyphLeft, at.glyphTop);
}

}  // namespace

void PaintButtonFace(graphics::Canvas& canvas, int width, int height, TAlignment alignment,
                     std::string_view caption, TLbSpeedButtonLayout layout, const graphics::Font& font,
                     TColor shadowColor, TColor lightColor, TColor hotTrackColor, TColor colorWhenDown,
                     TColor color, TLbSpeedButtonStyle style, bool hasPopupMenu, bool wordWrap, bool flat,
                     bool enabled, bool transparent, bool mouseInside, bool down,
                     const graphics::Bitmap& glyph, int numGlyphs, int fadeStep) {
  // A disabled button is never drawn down.
  const bool isDown = enabled && down;
  const Face face{canvas,
                  width,
                  height,
                  (isDown && style != bsEncarta) ? 1 : 0,
                  isDown,
                  enabled,
                  faceColorOf(canvas, color, hotTrackColor, colorWhenDown, enabled, isDown, fadeStep)};

  paintBackground(face, style, lightColor, transparent);
  canvas.setBrushStyle(graphics::BrushStyle::kClear);
  paintFrame(face, style, shadowColor, lightColor, flat, mouseInside);

  graphics::Font captionFont = font;
  if (style == bsEncarta && isDown) captionFont.style |= graphics::kFontBold;
  canvas.setFont(captionFont);

  const Glyph frame = glyphFrameOf(glyph, numGlyphs, enabled, mouseInside, isDown);
  if (style == bsShape) {
    paintShapeContent(face, caption, glyph, frame, wordWrap);
  } else {
    paintContent(face, caption, alignment, layout, glyph, frame, wordWrap);
  }

  if (hasPopupMenu) canvas.draw(width - 11, height / 2 - 1, arrowBitmap());
}

}  // namespace widgets
