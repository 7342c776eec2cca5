// What the gold button hands to the painter in each of its looks, written out value by value,
// and what the pointer's coming and going repaints.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "testing/speed_button_fixture.h"
#include "toolkit/headless/in_process_driver.h"
#include "widgets/lb_face_composer.h"

namespace widgets::testing {
namespace {

using graphics::Font;

const Font kButtonFont{"MS Sans Serif", -11, graphics::kFontBold, 0x00005555, 1};
const Font kHotFont{"Arial", -13, graphics::kFontItalic, 0x000000FF, 1};

// The main window's close button, placed at (20, 30) on the panel.
TLbSpeedButton& goldButton(TLbSpeedButton& b) {
  b.setBounds({20, 30, 128, 61});
  b.setAlignment(taCenter);
  b.setCaption("Inchide");
  b.setColor(0x0000C0C0);
  b.setFont(kButtonFont);
  b.setHotTrackColor(0x0000DFDF);
  b.setHotTrackFont(kHotFont);
  b.setLightColor(0x0000FFFF);
  b.setShadowColor(0x00008080);
  b.setStyle(bsModern);
  return b;
}

// The painter's inputs in its order, as the gold button up hands them; its glyph is its own.
TLbButtonFace goldFaceUp(const TLbSpeedButton& b) {
  return {.width = 108,
          .height = 31,
          .alignment = taCenter,
          .caption = "Inchide",
          .layout = blGlyphLeft,
          .font = kButtonFont,
          .shadowColor = 0x00008080,
          .lightColor = 0x0000FFFF,
          .hotTrackColor = 0x0000DFDF,
          .colorWhenDown = 0x1FFFFFFF,
          .color = 0x0000C0C0,
          .style = bsModern,
          .hasPopupMenu = false,
          .wordWrap = false,
          .flat = false,
          .enabled = true,
          .transparent = false,
          .mouseInside = false,
          .down = false,
          .glyph = &b.glyph(),
          .numGlyphs = 0,
          .fadeStep = 0};
}

// Each input by name, so that a failure says which one the control got wrong.
template <auto Input>
bool same(const TLbButtonFace& x, const TLbButtonFace& y) {
  return x.*Input == y.*Input;
}
const std::pair<const char*, bool (*)(const TLbButtonFace&, const TLbButtonFace&)> kInputs[] = {
    {"width", same<&TLbButtonFace::width>},
    {"height", same<&TLbButtonFace::height>},
    {"alignment", same<&TLbButtonFace::alignment>},
    {"caption", same<&TLbButtonFace::caption>},
    {"layout", same<&TLbButtonFace::layout>},
    {"font", same<&TLbButtonFace::font>},
    {"shadowColor", same<&TLbButtonFace::shadowColor>},
    {"lightColor", same<&TLbButtonFace::lightColor>},
    {"hotTrackColor", same<&TLbButtonFace::hotTrackColor>},
    {"colorWhenDown", same<&TLbButtonFace::colorWhenDown>},
    {"color", same<&TLbButtonFace::color>},
    {"style", same<&TLbButtonFace::style>},
    {"hasPopupMenu", same<&TLbButtonFace::hasPopupMenu>},
    {"wordWrap", same<&TLbButtonFace::wordWrap>},
    {"flat", same<&TLbButtonFace::flat>},
    {"enabled", same<&TLbButtonFace::enabled>},
    {"transparent", same<&TLbButtonFace::transparent>},
    {"mouseInside", same<&TLbButtonFace::mouseInside>},
    {"down", same<&TLbButtonFace::down>},
    {"glyph", same<&TLbButtonFace::glyph>},
    {"numGlyphs", same<&TLbButtonFace::numGlyphs>},
    {"fadeStep", same<&TLbButtonFace::fadeStep>}};

std::vector<std::string> differences(const TLbButtonFace& got, const TLbButtonFace& want) {
  std::vector<std::string> out;
  for (const auto& [name, same] : kInputs) {
    if (!same(got, want)) out.push_back(name);
  }
  return out;
}

struct Look {
  const char* name;
  void (*bring)(TLbSpeedButton& b, toolkit::Panel& panel);
  void (*expect)(TLbButtonFace& f);  // from the face up
};

const Look kLooks[] = {
    {"up", [](TLbSpeedButton&, toolkit::Panel&) {}, [](TLbButtonFace&) {}},
    {"hot, keeping Font while UseHotTrackFont is off",
     [](TLbSpeedButton&, toolkit::Panel& panel) {
       panel.handleMouseMove({30, 40});
     },
     [](TLbButtonFace& f) {
       f.mouseInside = true;
       f.fadeStep = 8;
     }},
    {"hot in HotTrackFont",
     [](TLbSpeedButton& b, toolkit::Panel& panel) {
       b.setUseHotTrackFont(true);
       panel.handleMouseMove({30, 40});
     },
     [](TLbButtonFace& f) {
       f.mouseInside = true;
       f.fadeStep = 8;
       f.font = kHotFont;
     }},
    {"HotTrackFont unused while not hot",
     [](TLbSpeedButton& b, toolkit::Panel&) { b.setUseHotTrackFont(true); }, [](TLbButtonFace&) {}},
    {"down", [](TLbSpeedButton& b, toolkit::Panel&) { b.setDown(true); },
     [](TLbButtonFace& f) { f.down = true; }},
    {"disabled", [](TLbSpeedButton& b, toolkit::Panel&) { b.setEnabled(false); },
     [](TLbButtonFace& f) { f.enabled = false; }},
    {"transparent, flat, wrapping, glyph on top",
     [](TLbSpeedButton& b, toolkit::Panel&) {
       b.setTransparent(true);
       b.setFlat(true);
       b.setWordWrap(true);
       b.setLayout(blGlyphTop);
       b.setColorWhenDown(0x00123456);
     },
     [](TLbButtonFace& f) {
       f.transparent = true;
       f.flat = true;
       f.wordWrap = true;
       f.layout = blGlyphTop;
       f.colorWhenDown = 0x00123456;
     }},
};

TEST_F(SpeedButtonTest, TheGoldButtonHandsThePainterItsStateInEachLook) {
  for (const Look& look : kLooks) {
    SCOPED_TRACE(look.name);
    auto& b = goldButton(addButton({}));
    look.bring(b, panel);
    TLbButtonFace want = goldFaceUp(b);
    look.expect(want);
    EXPECT_EQ(differences(b.face(), want), std::vector<std::string>{});

    // What reaches the screen is that face and no other.
    toolkit::headless::paintHost(panel);
    const auto frame = ComposeButtonFace(want);
    const graphics::Canvas& screen = toolkit::headless::hostSurface(panel);
    int differing = 0;
    for (int y = 0; y < want.height; ++y) {
      for (int x = 0; x < want.width; ++x) {
        const graphics::Color own = frame->canvas().pixel(x, y);
        const graphics::Color shown = screen.pixel(20 + x, 30 + y);
        differing += own == kFaceKeyColor ? shown != panel.backgroundColor() : shown != own;
      }
    }
    EXPECT_EQ(differing, 0);
    b.setParent(nullptr);
  }
}

struct PointerMove {
  const char* name;
  bool transparent;
  bool enabled;
  int paints;         // at once
  int invalidations;  // for the paint cycle
};

// The enter and the leave refresh: an opaque button paints at once, a transparent one waits
// for the paint cycle, so that its parent's background is drawn beneath it first.
TEST_F(SpeedButtonTest, EnteringAndLeavingRefreshOnceEach) {
  const PointerMove moves[] = {
      {"opaque", false, true, 1, 0},
      {"transparent", true, true, 0, 1},
      {"disabled opaque: the enter sets nothing, the leave refreshes", false, false, 0, 0},
  };
  for (const PointerMove& m : moves) {
    SCOPED_TRACE(m.name);
    auto& b = goldButton(addButton({}));
    b.setTransparent(m.transparent);
    b.setEnabled(m.enabled);
    const int paintsBefore = paints();
    const int invalidationsBefore = invalidations();
    panel.handleMouseMove({30, 40});
    EXPECT_EQ(b.mouseInside(), m.enabled);
    EXPECT_EQ(paints() - paintsBefore, m.paints) << "enter";
    EXPECT_EQ(invalidations() - invalidationsBefore, m.invalidations) << "enter";
    panel.handleMouseMove({290, 190});
    EXPECT_EQ(paints() - paintsBefore, m.paints + (m.transparent ? 0 : 1)) << "leave";
    EXPECT_EQ(invalidations() - invalidationsBefore, m.invalidations + (m.transparent ? 1 : 0)) << "leave";
    b.setParent(nullptr);
  }
}

}  // namespace
}  // namespace widgets::testing
