#include "widgets/lb_face_composer.h"

#include "widgets/lb_buttons.h"

namespace widgets {

bool FaceIsSeeThrough(const TLbButtonFace& face) {
  return face.transparent || face.style == bsModern || face.style == bsShape || face.style == bsQuicken;
}

std::unique_ptr<graphics::Bitmap> ComposeButtonFace(const TLbButtonFace& face) {
  auto bitmap = graphics::createBitmap(face.width, face.height);
  graphics::Canvas& canvas = bitmap->canvas();
  // The other faces cover every pixel themselves.
  if (FaceIsSeeThrough(face)) {
    canvas.setBrushColor(kFaceKeyColor);
    canvas.fillRect({0, 0, face.width, face.height});
    bitmap->setTransparentColor(kFaceKeyColor);
  }
  const auto noGlyph = face.glyph ? nullptr : graphics::createBitmap(0, 0);
  PaintButtonFace(canvas, face.width, face.height, face.alignment, face.caption, face.layout, face.font,
                  face.shadowColor, face.lightColor, face.hotTrackColor, face.colorWhenDown, face.color,
                  face.style, face.hasPopupMenu, face.wordWrap, face.flat, face.enabled, face.transparent,
                  face.mouseInside, face.down, face.glyph ? *face.glyph : *noGlyph, face.numGlyphs,
                  face.fadeStep);
  return bitmap;
}

}  // namespace widgets
