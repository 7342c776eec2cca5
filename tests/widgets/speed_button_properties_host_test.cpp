// The speed button's properties: defaults, what each write repaints, groups, glyph frames, the
// colour-depth rule, colour styles, and what fails without a parent.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "testing/face_painting.h"
#include "testing/speed_button_fixture.h"
#include "toolkit/headless/in_process_driver.h"
#include "widgets/lb_color_styles.h"

namespace widgets::testing {
namespace {

using graphics::Font;

TEST_F(SpeedButtonTest, ConstructionGivesTheDocumentedDefaults) {
  Font formFont;
  formFont.name = "Tahoma";
  formFont.height = -13;
  toolkit::FormOptions o = options();
  o.font = formFont;
  toolkit::Form owner(o);
  const TLbSpeedButton b(&owner);
  EXPECT_EQ(b.bounds(), (graphics::Rect{0, 0, 100, 23}));
  EXPECT_EQ(b.alignment(), taLeftJustify);
  EXPECT_EQ(b.lightColor(), clWhite);
  EXPECT_EQ(b.shadowColor(), clBlack);
  EXPECT_EQ(b.colorWhenDown(), clNone);
  EXPECT_EQ(b.hotTrackColor(), clNone);
  EXPECT_EQ(b.color(), clWindow);
  EXPECT_TRUE(b.parentColor() && b.parentFont() && b.enabled() && b.visible());
  EXPECT_FALSE(b.down() || b.flat() || b.wordWrap() || b.allowAllUp() || b.transparent() ||
               b.useHotTrackFont() || b.slowDecease() || b.mouseInside());
  EXPECT_EQ(b.groupIndex(), 0);
  EXPECT_EQ(b.layout(), blGlyphLeft);
  EXPECT_EQ(b.style(), bsNormal);
  EXPECT_EQ(b.colorStyle(), lcsCustom);
  EXPECT_EQ(b.numGlyphs(), 0);
  EXPECT_EQ(b.glyph().height(), 0);
  EXPECT_EQ(b.fadeStep(), 0);
  EXPECT_EQ(b.popupMenu(), nullptr);
  EXPECT_EQ(b.hotTrackFont(), formFont) << "a form owner's font is copied";

  const TLbSpeedButton orphan(nullptr);
  EXPECT_EQ(orphan.hotTrackFont(), Font{}) << "the toolkit's default font otherwise";
}

TEST_F(SpeedButtonTest, ParentColorAndFontFollowTheParentUntilSetOwnValues) {
  auto& b = addButton({10, 10, 110, 40});
  EXPECT_EQ(b.color(), panel.backgroundColor());
  b.setColor(panel.backgroundColor());
  EXPECT_TRUE(b.parentColor()) << "an equal colour changes nothing";
  b.setColor(0x0000C0C0);
  EXPECT_FALSE(b.parentColor());
  EXPECT_EQ(b.color(), 0x0000C0C0u);
  Font bold;
  bold.style = graphics::kFontBold;
  b.setFont(bold);
  EXPECT_FALSE(b.parentFont());
  EXPECT_EQ(b.font(), bold);
}

enum class Effect { kPaintNow, kInvalidate, kNothing };

struct Write {
  const char* property;
  std::function<void(TLbSpeedButton&)> write;
  Effect opaque;       // on a button with Transparent off
  Effect transparent;  // and on
};

// What each write does to the screen, counted on the panel.
TEST_F(SpeedButtonTest, EachWriteRepaintsAsItsPropertySays) {
  auto strip = graphics::createBitmap(32, 16);
  const std::vector<Write> writes = {
      {"Alignment", [](auto& b) { b.setAlignment(taCenter); }, Effect::kPaintNow, Effect::kInvalidate},
      {"ColorWhenDown", [](auto& b) { b.setColorWhenDown(clRed); }, Effect::kPaintNow, Effect::kInvalidate},
      {"Down", [](auto& b) { b.setDown(true); }, Effect::kPaintNow, Effect::kInvalidate},
      {"Down equal", [](auto& b) { b.setDown(false); }, Effect::kNothing, Effect::kNothing},
      {"Flat", [](auto& b) { b.setFlat(true); }, Effect::kPaintNow, Effect::kInvalidate},
      {"GroupIndex", [](auto& b) { b.setGroupIndex(3); }, Effect::kPaintNow, Effect::kInvalidate},
      {"Layout", [](auto& b) { b.setLayout(blGlyphTop); }, Effect::kPaintNow, Effect::kInvalidate},
      {"LightColor", [](auto& b) { b.setLightColor(clRed); }, Effect::kPaintNow, Effect::kInvalidate},
      {"ShadowColor", [](auto& b) { b.setShadowColor(clRed); }, Effect::kPaintNow, Effect::kInvalidate},
      {"WordWrap", [](auto& b) { b.setWordWrap(true); }, Effect::kPaintNow, Effect::kInvalidate},
      {"Caption", [](auto& b) { b.setCaption("New"); }, Effect::kInvalidate, Effect::kInvalidate},
      {"Caption equal", [](auto& b) { b.setCaption(""); }, Effect::kInvalidate, Effect::kInvalidate},
      {"Glyph", [&](auto& b) { b.setGlyph(strip.get()); }, Effect::kInvalidate, Effect::kInvalidate},
      {"NumGlyphs", [](auto& b) { b.setNumGlyphs(-5); }, Effect::kInvalidate, Effect::kInvalidate},
      {"SlowDecease", [](auto& b) { b.setSlowDecease(true); }, Effect::kInvalidate, Effect::kInvalidate},
      {"Style", [](auto& b) { b.setStyle(bsModern); }, Effect::kInvalidate, Effect::kInvalidate},
      {"ColorStyle", [](auto& b) { b.setColorStyle(lcsBlue); }, Effect::kPaintNow, Effect::kPaintNow},
      {"ColorStyle custom", [](auto& b) { b.setColorStyle(lcsCustom); }, Effect::kNothing, Effect::kNothing},
      {"AllowAllUp", [](auto& b) { b.setAllowAllUp(true); }, Effect::kNothing, Effect::kNothing},
      {"HotTrackColor", [](auto& b) { b.setHotTrackColor(clRed); }, Effect::kNothing, Effect::kNothing},
      {"HotTrackFont", [](auto& b) { b.setHotTrackFont(Font{"Arial"}); }, Effect::kNothing, Effect::kNothing},
      {"UseHotTrackFont", [](auto& b) { b.setUseHotTrackFont(true); }, Effect::kNothing, Effect::kNothing},
      {"Enabled", [](auto& b) { b.setEnabled(false); }, Effect::kInvalidate, Effect::kInvalidate},
  };
  for (const bool transparent : {false, true}) {
    for (const Write& w : writes) {
      auto& b = addButton({10, 10, 110, 40});
      if (transparent) b.setTransparent(true);
      const int paintsBefore = paints();
      const int invalidationsBefore = invalidations();
      w.write(b);
      const Effect want = transparent ? w.transparent : w.opaque;
      const int painted = paints() - paintsBefore;
      const int invalidated = invalidations() - invalidationsBefore;
      SCOPED_TRACE(std::string(w.property) + (transparent ? ", transparent" : ", opaque"));
      EXPECT_EQ(painted, want == Effect::kPaintNow ? 1 : 0);
      if (want == Effect::kInvalidate) {
        EXPECT_GE(invalidated, 1);
      } else if (want == Effect::kNothing) {
        EXPECT_EQ(invalidated, 0);
      }
      b.setParent(nullptr);
    }
  }
}

TEST_F(SpeedButtonTest, TransparentInvalidatesWhenSwitchedOnAndPaintsWhenSwitchedOff) {
  auto& b = addButton({10, 10, 110, 40});
  const int before = paints();
  b.setTransparent(true);
  EXPECT_EQ(paints(), before);
  b.setTransparent(false);
  EXPECT_EQ(paints(), before + 1);
}

TEST_F(SpeedButtonTest, WritingDownReleasesTheRestOfTheGroupUnderTheSameParentOnly) {
  toolkit::Panel otherPanel{form, {0, 0, 300, 200}, 0};
  std::vector<TLbSpeedButton*> group;
  for (int i = 0; i < 3; ++i) group.push_back(&addButton({10 + 60 * i, 10, 60 + 60 * i, 40}));
  TLbSpeedButton& ungrouped = addButton({10, 50, 60, 80});
  TLbSpeedButton& elsewhere = addButton({10, 10, 60, 40}, &otherPanel);
  for (TLbSpeedButton* b : group) b->setGroupIndex(1);
  elsewhere.setGroupIndex(1);
  elsewhere.setDown(true);
  ungrouped.setDown(true);

  group[0]->setDown(true);
  group[1]->setDown(true);  // in code, whatever AllowAllUp says
  EXPECT_FALSE(group[0]->down());
  EXPECT_TRUE(group[1]->down());
  group[2]->setDown(true);
  group[2]->setDown(false);  // a False write releases the others too
  EXPECT_FALSE(group[0]->down() || group[1]->down() || group[2]->down());
  EXPECT_TRUE(elsewhere.down()) << "another parent's group is another group";
  EXPECT_TRUE(ungrouped.down());

  group[0]->setTransparent(true);  // repaints by invalidating, which needs no parent
  group[0]->setParent(nullptr);
  group[1]->setDown(true);
  group[0]->setDown(true);  // no parent: only this button changes
  EXPECT_TRUE(group[0]->down() && group[1]->down());
}

TEST_F(SpeedButtonTest, GlyphCountsWholeFramesAndAnInPlaceChangeCountsNothing) {
  auto& b = addButton({10, 10, 110, 40});
  struct Case {
    int width, height, frames;
  };
  for (const Case c : {Case{64, 16, 4}, Case{70, 16, 4}, Case{10, 0, 0}, Case{15, 16, 0}}) {
    const auto picture = graphics::createBitmap(c.width, c.height);
    b.setGlyph(picture.get());
    EXPECT_EQ(b.numGlyphs(), c.frames) << c.width << " x " << c.height;
    EXPECT_EQ(b.glyph().width(), c.width);
  }
  const auto picture = graphics::createBitmap(64, 16);
  picture->canvas().setBrushColor(clRed);
  picture->canvas().fillRect({0, 0, 64, 16});
  b.setGlyph(picture.get());
  EXPECT_EQ(b.glyph().canvas().pixel(63, 15), clRed) << "copied";
  picture->canvas().setBrushColor(clBlue);
  picture->canvas().fillRect({0, 0, 64, 16});
  EXPECT_EQ(b.glyph().canvas().pixel(0, 0), clRed) << "the caller keeps its own";

  b.setNumGlyphs(7);
  EXPECT_EQ(b.numGlyphs(), 7) << "written without a range test";
  const int paintsBefore = paints();
  const int invalidationsBefore = invalidations();
  b.glyph().setSize(128, 16);
  EXPECT_EQ(b.numGlyphs(), 7);
  EXPECT_EQ(paints(), paintsBefore);
  EXPECT_EQ(invalidations(), invalidationsBefore);

  b.setGlyph(nullptr);
  EXPECT_EQ(b.glyph().height(), 0);
  EXPECT_EQ(b.numGlyphs(), 0);
}

TEST_F(SpeedButtonTest, ModernFallsBackToNormalOnPaletteDisplaysOutsideDesignAndColourStyles) {
  struct Case {
    int depth;
    bool designing;
    bool throughColorStyle;
    TLbSpeedButtonStyle want;
  };
  for (const Case c :
       {Case{8, false, false, bsNormal}, Case{4, false, false, bsNormal}, Case{16, false, false, bsModern},
        Case{8, true, false, bsModern}, Case{8, false, true, bsModern}}) {
    toolkit::headless::setColorDepth(panel, c.depth);
    auto& b = addButton({10, 10, 110, 40});
    b.setDesigning(c.designing);
    if (c.throughColorStyle) {
      b.setColorStyle(lcsGold);
    } else {
      b.setStyle(bsModern);
    }
    EXPECT_EQ(b.style(), c.want) << c.depth << " bpp" << (c.designing ? ", designing" : "")
                                 << (c.throughColorStyle ? ", colour style" : "");
    b.setStyle(bsQuicken);
    EXPECT_EQ(b.style(), bsQuicken) << "only bsModern is replaced";
  }
}

TEST_F(SpeedButtonTest, EveryColourStyleWritesItsWholeRowAndReadsBackCustom) {
  for (int i = lcsGold; i <= lcsQuicken; ++i) {
    const auto style = static_cast<TLbColorStyle>(i);
    auto& b = addButton({10, 10, 110, 40});
    b.setFlat(style < lcsUltraFlat1);  // the opposite of what most rows say
    b.setColorWhenDown(0x00123456);
    const int before = paints();
    b.setColorStyle(style);
    const TLbColorStylePreset want = GetColorStylePreset(style);
    const TLbColorStylePreset got{b.color(),         b.lightColor(), b.shadowColor(), b.colorWhenDown(),
                                  b.hotTrackColor(), b.font().color, b.flat(),        b.style()};
    EXPECT_EQ(got, want) << "colour style " << i;
    EXPECT_FALSE(b.parentColor());
    EXPECT_EQ(b.colorStyle(), lcsCustom);
    EXPECT_EQ(paints() - before, 1) << "painted once, at the end";
  }
}

TEST_F(SpeedButtonTest, CustomColourStyleChangesNothing) {
  auto& b = addButton({10, 10, 110, 40});
  b.setLightColor(clRed);
  const TLbButtonFace before = b.face();
  const int paintsBefore = paints();
  b.setColorStyle(lcsCustom);
  EXPECT_EQ(b.face().lightColor, before.lightColor);
  EXPECT_EQ(b.face().style, before.style);
  EXPECT_EQ(paints(), paintsBefore);
}

TEST_F(SpeedButtonTest, WithoutAParentWhatNeedsTheSurfaceFailsNamingTheControl) {
  TLbSpeedButton b(&form);
  b.setName("Orphan");
  const std::string message = "Control 'Orphan' has no parent window";
  const auto failsWith = [&](const std::function<void()>& write) {
    try {
      write();
    } catch (const std::runtime_error& e) {
      return std::string(e.what()) == message;
    }
    return false;
  };
  EXPECT_TRUE(failsWith([&] { b.setStyle(bsModern); }));
  EXPECT_EQ(b.style(), bsNormal) << "kept its former value";
  EXPECT_TRUE(failsWith([&] { b.setFlat(true); }));
  EXPECT_TRUE(b.flat()) << "stored first";
  EXPECT_TRUE(failsWith([&] { b.setColorStyle(lcsQuicken); }));
  EXPECT_EQ(b.style(), bsQuicken);
  b.setTransparent(true);  // invalidating without a parent does nothing
  b.setAlignment(taCenter);
  EXPECT_TRUE(failsWith([&] { b.setTransparent(false); }));
  EXPECT_FALSE(b.transparent());
  b.setStyle(bsShape);  // no display question for other styles
  b.setVisible(false);
  b.setFlat(false);  // an invisible control draws nothing, so it needs no surface
  EXPECT_FALSE(b.flat());
}

TEST_F(SpeedButtonTest, PaintDrawsNothingWhileInvisibleOrLoading) {
  auto& b = addButton({0, 0, 40, 20});
  auto target = graphics::createBitmap(40, 20);
  const auto drawn = [&] {
    target->canvas().setBrushColor(clBlack);
    target->canvas().fillRect({0, 0, 40, 20});
    b.paint(target->canvas());
    return target->canvas().pixel(20, 10) != clBlack;
  };
  EXPECT_TRUE(drawn());
  b.beginLoading();
  EXPECT_FALSE(drawn());
  b.endLoading();
  b.setVisible(false);
  EXPECT_FALSE(drawn());
  b.setDesigning(true);
  EXPECT_TRUE(drawn()) << "a designer shows hidden controls";
}

TEST_F(SpeedButtonTest, AFrameOnThePanelIsTheComposedFaceWithThePanelSeenThroughItsCorners) {
  auto& b = addButton({20, 30, 128, 61});
  b.setColorStyle(lcsGold);
  b.setCaption("Inchide");
  toolkit::headless::paintHost(panel);
  const auto face = ComposeButtonFace(b.face());
  const graphics::Canvas& screen = toolkit::headless::hostSurface(panel);
  int seeThrough = 0;
  for (int y = 0; y < b.height(); ++y) {
    for (int x = 0; x < b.width(); ++x) {
      const graphics::Color own = face->canvas().pixel(x, y);
      const graphics::Color shown = screen.pixel(20 + x, 30 + y);
      if (own == kFaceKeyColor) {
        ++seeThrough;
        ASSERT_EQ(shown, panel.backgroundColor()) << x << ", " << y;
      } else {
        ASSERT_EQ(shown, own) << x << ", " << y;
      }
    }
  }
  EXPECT_GT(seeThrough, 0) << "bsModern has round corners";
  EXPECT_EQ(screen.pixel(19, 29), panel.backgroundColor()) << "nothing drawn outside";
}

}  // namespace
}  // namespace widgets::testing
