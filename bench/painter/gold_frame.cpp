#include "gold_frame.h"

#include "widgets/lb_buttons.h"

namespace bench {
namespace {

using namespace widgets;

constexpr int kW = 108;
constexpr int kH = 31;

std::unique_ptr<platform::Bitmap> keyedBitmap() {
  auto face = platform::createBitmap(kW, kH);
  face->canvas().setBrushColor(kFaceKeyColor);
  face->canvas().fillRect({0, 0, kW, kH});
  face->setTransparentColor(kFaceKeyColor);
  return face;
}

}  // namespace

void paintGoldFrame(platform::Canvas& screen, FrameLook look) {
  static const auto noGlyph = platform::createBitmap(0, 0);
  platform::Font font;
  font.style = platform::kFontBold;
  font.color = 0x00005555;
  const bool hot = look == FrameLook::kHot || look == FrameLook::kDown;
  auto face = keyedBitmap();
  PaintButtonFace(face->canvas(), kW, kH, taCenter, "Upgrade la 2.63", blGlyphLeft, font, clOlive, clYellow,
                  0x0000DFDF, clNone, 0x0000C0C0, bsModern, look == FrameLook::kUpWithMenu, false, false,
                  true, false, hot, look == FrameLook::kDown, *noGlyph, 0, hot ? 8 : 0);
  screen.draw(0, 0, *face);
}

void copyEmptyFrame(platform::Canvas& screen) {
  const auto face = keyedBitmap();
  screen.draw(0, 0, *face);
}

}  // namespace bench
