#include "gold_frame.h"

namespace bench {
namespace {

using namespace widgets;

constexpr int kW = 108;
constexpr int kH = 31;

platform::FormOptions windowOptions() {
  platform::FormOptions o;
  o.caption = "Gold button";
  o.clientWidth = 200;
  o.clientHeight = 80;
  return o;
}

}  // namespace

TLbButtonFace goldFace(FrameLook look) {
  const bool hot = look == FrameLook::kHot || look == FrameLook::kDown;
  TLbButtonFace f;
  f.width = kW;
  f.height = kH;
  f.alignment = taCenter;
  f.caption = "Upgrade la 2.63";
  f.font.style = platform::kFontBold;
  f.font.color = 0x00005555;
  f.shadowColor = clOlive;
  f.lightColor = clYellow;
  f.hotTrackColor = 0x0000DFDF;
  f.color = 0x0000C0C0;
  f.style = bsModern;
  f.hasPopupMenu = look == FrameLook::kUpWithMenu;
  f.mouseInside = hot;
  f.down = look == FrameLook::kDown;
  f.fadeStep = hot ? 8 : 0;
  return f;
}

void paintGoldFrame(platform::Canvas& screen, FrameLook look) {
  screen.draw(0, 0, *ComposeButtonFace(goldFace(look)));
}

void copyEmptyFrame(platform::Canvas& screen) {
  auto face = platform::createBitmap(kW, kH);
  face->canvas().setBrushColor(kFaceKeyColor);
  face->canvas().fillRect({0, 0, kW, kH});
  face->setTransparentColor(kFaceKeyColor);
  screen.draw(0, 0, *face);
}

GoldButtonWindow::GoldButtonWindow()
    : form_(windowOptions()), panel_(form_, {0, 0, 200, 80}, 0x005BCECB), button_(&form_) {
  button_.setName("Gold");
  button_.setParent(&panel_);
  button_.setBounds({20, 20, 20 + kW, 20 + kH});
  button_.setCaption("Inchide");
  button_.setColorStyle(lcsGold);
  platform::Font font;
  font.style = platform::kFontBold;
  font.color = 0x00005555;
  button_.setFont(font);
  form_.show();
}

void GoldButtonWindow::enterAndLeave() {
  panel_.handleMouseMove({30, 30});
  panel_.handleMouseMove({5, 5});
}

}  // namespace bench
