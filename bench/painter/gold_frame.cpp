#include "gold_frame.h"

namespace bench {
namespace {

using namespace widgets;
using gold_button::kHeight;
using gold_button::kWidth;

}  // namespace

TLbButtonFace goldFace(FrameLook look, int dpi) {
  const bool hot = look == FrameLook::kHot || look == FrameLook::kDown;
  TLbButtonFace f = gold_button::face(toolkit::scaledToDensity(kWidth, dpi),
                                      toolkit::scaledToDensity(kHeight, dpi), "Upgrade la 2.63");
  f.font = toolkit::scaledToDensity(f.font, dpi);
  f.hasPopupMenu = look == FrameLook::kUpWithMenu;
  f.mouseInside = hot;
  f.down = look == FrameLook::kDown;
  f.fadeStep = hot ? 8 : 0;
  return f;
}

void paintGoldFrame(graphics::Canvas& screen, FrameLook look, int dpi) {
  screen.draw(0, 0, *ComposeButtonFace(goldFace(look, dpi)));
}

void copyEmptyFrame(graphics::Canvas& screen) {
  auto face = graphics::createBitmap(kWidth, kHeight);
  face->canvas().setBrushColor(kFaceKeyColor);
  face->canvas().fillRect({0, 0, kWidth, kHeight});
  face->setTransparentColor(kFaceKeyColor);
  screen.draw(0, 0, *face);
}

GoldButtonWindow::GoldButtonWindow() : window_("Gold button"), button_(window_.addButton("Gold")) {}

}  // namespace bench
