#include "gallery_sheet.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "gold_button.h"
#include "widgets/lb_buttons.h"
#include "widgets/lb_color_styles.h"
#include "widgets/lb_face_composer.h"

namespace gallery {
namespace {

using namespace widgets;

constexpr int kFaceW = 108;
constexpr int kFaceH = 31;
constexpr int kLabelW = 190;
constexpr int kColumnW = kFaceW + 14;
constexpr int kRowH = kFaceH + 9;
constexpr int kMargin = 12;
constexpr int kSheetW = kMargin + kLabelW + 5 * kColumnW + kMargin;
constexpr TColor kSheetColor = 0x00E4E0DC;
constexpr TColor kCheckerDark = 0x00C8C4C0;
constexpr TColor kHeadingColor = 0x00503010;

// The looks of one button, one per column.
struct Look {
  const char* name;
  bool enabled;
  bool mouseInside;
  bool down;
  int fadeStep;
};
constexpr std::array<Look, 5> kLooks = {{
    {"Normal", true, false, false, 0},
    {"Hot", true, true, false, 8},
    {"Fading (step 4)", true, false, false, 4},
    {"Down", true, true, true, 8},
    {"Disabled", false, false, false, 0},
}};

// Everything about a button but its look.
struct ButtonSetup {
  TLbSpeedButtonStyle style = bsNormal;
  TColor color = clBtnFace;
  TColor lightColor = clWhite;
  TColor shadowColor = clGray;
  TColor colorWhenDown = clNone;
  TColor hotTrackColor = clNone;
  graphics::Font font;
  std::string caption;
  bool glyph = false;
  bool popup = false;
  bool flat = false;
  bool transparent = false;
};

ButtonSetup fromPreset(TLbColorStyle colorStyle) {
  const TLbColorStylePreset p = GetColorStylePreset(colorStyle);
  ButtonSetup s;
  s.style = p.style;
  s.color = p.color;
  s.lightColor = p.lightColor;
  s.shadowColor = p.shadowColor;
  s.colorWhenDown = p.colorWhenDown;
  s.hotTrackColor = p.hotTrackColor;
  s.flat = p.flat;
  s.font.color = p.fontColor;
  return s;
}

// Four 16 x 16 frames of a round badge on white: normal, disabled, down, hot.
std::unique_ptr<graphics::Bitmap> makeGlyphStrip() {
  constexpr std::array<TColor, 4> kFrames = {0x0000A000, 0x00A0A0A0, 0x00006000, 0x0000E040};
  auto strip = graphics::createBitmap(64, 16);
  graphics::Canvas& c = strip->canvas();
  c.setBrushColor(clWhite);
  c.fillRect({0, 0, 64, 16});
  for (int i = 0; i < 4; ++i) {
    c.setPenColor(i == 1 ? clGray : 0x00004000);
    c.setBrushColor(kFrames[static_cast<std::size_t>(i)]);
    c.roundRect({i * 16 + 1, 1, i * 16 + 15, 15}, 14, 14);
    c.setBrushColor(clWhite);
    c.fillRect({i * 16 + 7, 4, i * 16 + 9, 12});
    c.fillRect({i * 16 + 4, 7, i * 16 + 12, 9});
  }
  return strip;
}

// Composed off-screen the way the button control does, then copied see-through.
void drawButton(graphics::Canvas& sheet, int x, int y, const ButtonSetup& s, const Look& look,
                const graphics::Bitmap& glyph) {
  TLbButtonFace face;
  face.width = kFaceW;
  face.height = kFaceH;
  face.alignment = taCenter;
  face.caption = s.caption;
  face.font = s.font;
  face.shadowColor = s.shadowColor;
  face.lightColor = s.lightColor;
  face.hotTrackColor = s.hotTrackColor;
  face.colorWhenDown = s.colorWhenDown;
  face.color = s.color;
  face.style = s.style;
  face.hasPopupMenu = s.popup;
  face.flat = s.flat;
  face.enabled = look.enabled;
  face.transparent = s.transparent;
  face.mouseInside = look.mouseInside;
  face.down = look.down;
  face.glyph = s.glyph ? &glyph : nullptr;
  face.numGlyphs = s.glyph ? 4 : 0;
  face.fadeStep = look.fadeStep;
  sheet.draw(x, y, *ComposeButtonFace(face));
}

void drawChecker(graphics::Canvas& sheet, const graphics::Rect& area) {
  for (int y = area.top; y < area.bottom; y += 8) {
    for (int x = area.left + ((y - area.top) / 8 % 2) * 8; x < area.right; x += 16) {
      sheet.setBrushColor(kCheckerDark);
      sheet.fillRect({x, y, std::min(x + 8, area.right), std::min(y + 8, area.bottom)});
    }
  }
}

void drawLabel(graphics::Canvas& sheet, int x, int y, int width, int height, const std::string& text,
               bool bold, unsigned alignment = graphics::kDtLeft) {
  graphics::Font font;
  font.color = bold ? kHeadingColor : clBlack;
  if (bold) font.style = graphics::kFontBold;
  sheet.setFont(font);
  graphics::Rect box{x, y, x + width, y + height};
  sheet.drawText(text, box,
                 alignment | graphics::kDtVCenter | graphics::kDtSingleLine | graphics::kDtNoPrefix);
}

struct Row {
  std::string label;
  ButtonSetup setup;
};

std::vector<Row> faceStyleRows() {
  struct StyleEntry {
    TLbSpeedButtonStyle style;
    const char* name;
    ButtonSetup base;
  };
  ButtonSetup classic;
  classic.hotTrackColor = 0x00F0D8C0;
  classic.colorWhenDown = 0x00E0C8B0;
  ButtonSetup gold = fromPreset(lcsGold);
  gold.font = gold_button::captionFont();
  ButtonSetup shape;
  shape.font.color = 0x00803000;
  shape.font.style = graphics::kFontBold;
  const ButtonSetup quicken = fromPreset(lcsQuicken);
  const std::array<StyleEntry, 6> styles = {{{bsNormal, "bsNormal", classic},
                                             {bsEncarta, "bsEncarta", classic},
                                             {bsModern, "bsModern", gold},
                                             {bsOld, "bsOld", classic},
                                             {bsShape, "bsShape", shape},
                                             {bsQuicken, "bsQuicken", quicken}}};
  std::vector<Row> rows;
  for (const StyleEntry& entry : styles) {
    ButtonSetup s = entry.base;
    s.style = entry.style;
    s.caption = "Upgrade";
    rows.push_back({std::string(entry.name), s});
    ButtonSetup withGlyph = s;
    withGlyph.glyph = true;
    withGlyph.popup = true;
    withGlyph.caption = "Open";
    rows.push_back({std::string(entry.name) + ", glyph, menu", withGlyph});
    ButtonSetup flat = s;
    flat.flat = true;
    rows.push_back({std::string(entry.name) + ", flat", flat});
    ButtonSetup transparent = s;
    transparent.transparent = true;
    rows.push_back({std::string(entry.name) + ", transparent", transparent});
  }
  return rows;
}

std::vector<Row> colorStyleRows() {
  const std::array<std::pair<TLbColorStyle, const char*>, 10> styles = {{{lcsGold, "lcsGold"},
                                                                         {lcsChrome, "lcsChrome"},
                                                                         {lcsBlue, "lcsBlue"},
                                                                         {lcsRed, "lcsRed"},
                                                                         {lcsUltraFlat1, "lcsUltraFlat1"},
                                                                         {lcsUltraFlat2, "lcsUltraFlat2"},
                                                                         {lcsUltraFlatXP, "lcsUltraFlatXP"},
                                                                         {lcsAqua, "lcsAqua"},
                                                                         {lcsDefault, "lcsDefault"},
                                                                         {lcsQuicken, "lcsQuicken"}}};
  std::vector<Row> rows;
  for (const auto& [style, name] : styles) {
    ButtonSetup s = fromPreset(style);
    s.caption = "&Install";
    rows.push_back({name, s});
  }
  return rows;
}

}  // namespace

std::unique_ptr<graphics::Bitmap> drawGallerySheet() {
  const std::vector<Row> faceRows = faceStyleRows();
  const std::vector<Row> colorRows = colorStyleRows();
  constexpr int kTitleH = 34;
  constexpr int kHeaderH = 26;
  const int height = kMargin + kTitleH + 2 * kHeaderH +
                     static_cast<int>(faceRows.size() + colorRows.size()) * kRowH + kHeaderH + kMargin;
  auto sheet = graphics::createBitmap(kSheetW, height);
  graphics::Canvas& c = sheet->canvas();
  c.setBrushColor(kSheetColor);
  c.fillRect({0, 0, kSheetW, height});

  const auto glyph = makeGlyphStrip();
  int y = kMargin;
  graphics::Font title;
  title.height = -22;
  title.style = graphics::kFontBold;
  title.color = kHeadingColor;
  c.setFont(title);
  graphics::Rect titleBox{kMargin, y, kSheetW - kMargin, y + kTitleH};
  c.drawText("Speed button faces", titleBox,
             graphics::kDtLeft | graphics::kDtSingleLine | graphics::kDtNoPrefix);
  y += kTitleH;

  const auto section = [&](const std::string& heading, const std::vector<Row>& rows) {
    drawLabel(c, kMargin, y, kLabelW, kHeaderH, heading, true);
    for (std::size_t i = 0; i < kLooks.size(); ++i) {
      drawLabel(c, kMargin + kLabelW + static_cast<int>(i) * kColumnW, y, kFaceW, kHeaderH, kLooks[i].name,
                true, graphics::kDtCenter);
    }
    y += kHeaderH;
    for (const Row& row : rows) {
      drawLabel(c, kMargin, y, kLabelW, kFaceH, row.label, false);
      if (row.setup.transparent)
        drawChecker(c, {kMargin + kLabelW - 6, y - 4, kSheetW - kMargin, y + kFaceH + 4});
      for (std::size_t i = 0; i < kLooks.size(); ++i) {
        drawButton(c, kMargin + kLabelW + static_cast<int>(i) * kColumnW, y, row.setup, kLooks[i], *glyph);
      }
      y += kRowH;
    }
  };
  section("Face styles", faceRows);
  y += kHeaderH;
  section("Colour styles", colorRows);
  return sheet;
}

}  // namespace gallery
