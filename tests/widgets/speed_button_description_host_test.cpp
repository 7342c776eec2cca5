// The speed button in window descriptions: its table's order and defaults, the properties
// stored only in some states, object-valued properties read into the button's own objects, and
// loading that draws nothing until it has ended.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "description/description_reader.h"
#include "description/description_writer.h"
#include "description/toolkit_classes.h"
#include "testing/speed_button_fixture.h"
#include "toolkit/action.h"
#include "toolkit/popup_menu.h"
#include "widgets/lb_speed_button_properties.h"

namespace widgets::testing {
namespace {

using graphics::Font;

const description::ClassRegistry& classes() {
  static const description::ClassRegistry registry = [] {
    description::ClassRegistry r;
    description::addToolkitClasses(r);
    addSpeedButtonClass(r);
    return r;
  }();
  return registry;
}

// The property names of button B's lines, in order, each once ("Font.Name" counts as Font).
std::vector<std::string> propertyNames(const std::string& text) {
  std::vector<std::string> names;
  std::istringstream lines(text.substr(text.find("object B")));
  for (std::string line; std::getline(lines, line);) {
    const auto start = line.find_first_not_of(' ');
    const auto equals = line.find(" = ");
    if (equals == std::string::npos) continue;
    std::string name = line.substr(start, line.find_first_of(". ", start) - start);
    if (names.empty() || names.back() != name) names.push_back(name);
  }
  return names;
}

class SpeedButtonDescription : public SpeedButtonTest {
 protected:
  void SetUp() override {
    SpeedButtonTest::SetUp();
    panel.setName("Host");
  }

  // A button owned by `host`, the root of the description, and placed on it.
  static TLbSpeedButton& ownButton(toolkit::Panel& host, const char* name) {
    auto& b = host.own<TLbSpeedButton>();
    b.setName(name);
    b.setParent(&host);
    return b;
  }
  // A description of the host panel (as the fixture makes it) holding one button B.
  static std::string within(std::string_view lines) {
    return "object Host: TPanel\n  Width = 300\n  Height = 200\n  Color = $005BCECB\n"
           "  object B: TLbSpeedButton\n" +
           std::string(lines) + "  end\nend\n";
  }
  std::string stored() const { return description::storeDescription(panel, classes()); }
  TLbSpeedButton& load(std::string_view lines) {
    description::loadDescription(panel, within(lines), classes(), methods());
    return panel.componentNamed<TLbSpeedButton>("B");
  }
  static description::Methods methods() {
    description::Methods m;
    m.add<toolkit::NotifyEvent>("Notified", [](toolkit::Component&) {});
    m.add<toolkit::MouseEvent>("Pressed",
                               [](toolkit::Component&, toolkit::MouseButton, unsigned, graphics::Point) {});
    m.add<toolkit::MouseMoveEvent>("Moved", [](toolkit::Component&, unsigned, graphics::Point) {});
    return m;
  }
};

TEST_F(SpeedButtonDescription, EveryPropertyIsStoredInPublicationOrderAndLoadsBackTheSame) {
  auto& b = ownButton(panel, "B");
  auto& menu = panel.own<toolkit::PopupMenu>();
  menu.setName("Menu");
  auto& action = panel.own<toolkit::Action>();
  action.setName("Act");
  b.setAction(&action);  // first: linking takes the action's caption, state, hint and visibility
  b.setBounds({3, 4, 83, 34});
  b.setCursor(toolkit::Cursor::kHandPoint);
  b.setAlignment(taRightJustify);
  b.setAllowAllUp(true);
  b.setCaption("Go 'now'\r\n");
  b.setColor(0x00123456);
  b.setColorWhenDown(0x00654321);
  b.setDown(true);
  b.setEnabled(false);
  b.setFlat(true);
  b.setFont(Font{"Arial", -15, graphics::kFontItalic, 0x00010203, 0});
  const auto picture = graphics::createBitmap(4, 2);
  for (int i = 0; i < 8; ++i) {
    picture->canvas().setBrushColor(graphics::rgb(30 * i, 255 - i, i * i));
    picture->canvas().fillRect({i % 4, i / 4, i % 4 + 1, i / 4 + 1});
  }
  b.setGlyph(picture.get());
  b.setGroupIndex(-3);
  b.setHotTrackColor(0x000A0B0C);
  b.setHotTrackFont(Font{"Courier New", 12, graphics::kFontStrikeOut | graphics::kFontBold, clWindow, 238});
  b.setHint("Tip");
  b.setShowHint(true);
  b.setPopupMenu(&menu);
  b.setLayout(blGlyphBottom);
  b.setLightColor(clSilver);
  b.setNumGlyphs(3);
  b.setShadowColor(clBtnFace);
  b.setSlowDecease(true);
  b.setStyle(bsQuicken);
  b.setTransparent(true);
  b.setUseHotTrackFont(true);
  b.setVisible(false);
  b.setWordWrap(true);
  const char* const notify[] = {"OnClick", "OnMouseEnter", "OnMouseExit"};
  for (const char* event : notify) b.setBoundMethod(event, "Notified");
  b.onClick = b.onMouseEnter = b.onMouseExit = [](toolkit::Component&) {};
  b.onMouseDown = b.onMouseUp = [](toolkit::Component&, toolkit::MouseButton, unsigned, graphics::Point) {};
  b.setBoundMethod("OnMouseDown", "Pressed");
  b.setBoundMethod("OnMouseUp", "Pressed");
  b.onMouseMove = [](toolkit::Component&, unsigned, graphics::Point) {};
  b.setBoundMethod("OnMouseMove", "Moved");

  const std::string text = stored();
  std::vector<std::string> table;
  for (const auto& p : classes().find("TLbSpeedButton")->properties) {
    if (p->name() != "ColorStyle") table.push_back(p->name());
  }
  EXPECT_EQ(propertyNames(text), table) << text;

  toolkit::Panel other{form, {0, 0, 300, 200}, 0x005BCECB};
  other.setName("Host");
  description::loadDescription(other, text, classes(), methods());
  EXPECT_EQ(description::storeDescription(other, classes()), text);
  const auto& loaded = other.componentNamed<TLbSpeedButton>("B");
  EXPECT_EQ(loaded.numGlyphs(), 3) << "the stored count, not one derived from the glyph";
  EXPECT_EQ(loaded.glyph().canvas().pixel(3, 1), picture->canvas().pixel(3, 1));
  EXPECT_EQ(loaded.caption(), "Go 'now'\r\n");
  EXPECT_EQ(loaded.font(), b.font());
  EXPECT_TRUE(loaded.down());
  EXPECT_EQ(loaded.action(), &other.componentNamed<toolkit::Action>("Act")) << "a reference to a later block";
  EXPECT_EQ(loaded.popupMenu(), &other.componentNamed<toolkit::PopupMenu>("Menu"));
  EXPECT_TRUE(loaded.showHint() && !loaded.parentShowHint());
}

TEST_F(SpeedButtonDescription, DefaultsAreNeverStoredAndTheHotTrackFontsDependsOnTheOwner) {
  Font tahoma;
  tahoma.name = "Tahoma";
  toolkit::FormOptions o = options();
  o.font = tahoma;
  toolkit::Form owner(o);
  owner.setName("W");
  description::loadDescription(owner,
                               "object W: TForm\n"
                               "  object P: TPanel\n"
                               "    object A: TLbSpeedButton\n"
                               "    end\n"
                               "  end\n"
                               "end\n",
                               classes(), {});
  auto& made = owner.componentNamed<TLbSpeedButton>("A");
  EXPECT_EQ(made.hotTrackFont(), tahoma) << "a form owner's font";
  const std::string defaults = description::storeDescription(owner, classes());
  EXPECT_EQ(defaults.find("  object A: TLbSpeedButton\n    end\n") != std::string::npos, true) << defaults;

  made.setHotTrackFont(Font{});
  EXPECT_NE(description::storeDescription(owner, classes()).find("HotTrackFont.Name = 'MS Sans Serif'"),
            std::string::npos);

  // A button owned by anything but a form starts with the toolkit's font.
  auto& onPanel = ownButton(panel, "B");
  EXPECT_EQ(stored(), within(""));
  onPanel.setHotTrackFont(tahoma);
  EXPECT_NE(stored().find("HotTrackFont.Name = 'Tahoma'"), std::string::npos);
}

TEST_F(SpeedButtonDescription, ColorAndFontAreStoredOnlyWhileTheirParentFlagIsOff) {
  auto& b = ownButton(panel, "B");
  b.setColor(0x00C0C0);
  b.setFont(Font{"Arial", -11, 0, 0, 1});
  const std::string own = stored();
  EXPECT_NE(own.find("Color = $0000C0C0"), std::string::npos);
  EXPECT_NE(own.find("ParentColor = False"), std::string::npos);
  EXPECT_NE(own.find("Font.Name = 'Arial'"), std::string::npos);
  EXPECT_NE(own.find("ParentFont = False"), std::string::npos);
  b.setParentColor(true);
  b.setParentFont(true);
  EXPECT_EQ(stored(), within("")) << "the own colour and font are still there, but not shown";
}

TEST_F(SpeedButtonDescription, LoadingAParentFlagOffKeepsTheButtonsOwnValue) {
  toolkit::FormOptions o = options();
  o.font.name = "Tahoma";
  toolkit::Form tahomaForm(o);
  toolkit::Panel host{tahomaForm, {0, 0, 300, 200}, 0x005BCECB};
  host.setName("Host");
  host.setShowHint(true);
  const std::string flags = "    ParentColor = False\n    ParentFont = False\n    ParentShowHint = False\n";
  description::loadDescription(host, within(flags), classes(), {});
  const auto& b = host.componentNamed<TLbSpeedButton>("B");
  EXPECT_EQ(b.color(), clWindow) << "its own default colour, which the description did not store";
  EXPECT_EQ(b.font(), Font{}) << "its own default font, not the form's";
  EXPECT_FALSE(b.showHint()) << "its own default, not the panel's";
  EXPECT_EQ(description::storeDescription(host, classes()), within(flags));
}

TEST_F(SpeedButtonDescription, AColourStyleIsAppliedButNeverStored) {
  auto& b = load("    ColorStyle = lcsGold\n");
  EXPECT_EQ(b.style(), bsModern);
  EXPECT_EQ(b.color(), 0x0000C0C0u);
  EXPECT_EQ(b.colorStyle(), lcsCustom);
  const std::string text = stored();
  EXPECT_EQ(text.find("ColorStyle"), std::string::npos);
  EXPECT_NE(text.find("Style = bsModern"), std::string::npos);
  EXPECT_NE(text.find("HotTrackColor = $0000DFDF"), std::string::npos);
}

TEST_F(SpeedButtonDescription, AGlyphIsReadIntoTheOwnBitmapWithoutCountingItsFrames) {
  auto& b = load(
      "    Glyph = {\n      4 2\n      0000FF 00FF00 FF0000 FFFFFF\n      000000 010203 A0B0C0 123456\n    "
      "}\n");
  EXPECT_EQ(b.glyph().width(), 4);
  EXPECT_EQ(b.glyph().height(), 2);
  EXPECT_EQ(b.glyph().canvas().pixel(2, 0), 0x00FF0000u);
  EXPECT_EQ(b.glyph().canvas().pixel(2, 1), 0x00A0B0C0u);
  EXPECT_EQ(b.numGlyphs(), 0) << "NumGlyphs comes from its own stored value";
  b.setGlyph(&b.glyph());
  EXPECT_EQ(b.numGlyphs(), 2) << "the setter counts";
}

TEST_F(SpeedButtonDescription, NothingIsDrawnWhileLoadingThenTheButtonRefreshesOnce) {
  const int paintsBefore = paints();
  const int invalidationsBefore = invalidations();
  // Each of these setters paints at once or invalidates when it is called outside loading.
  auto& b = load(
      "    Left = 20\n    Top = 30\n    Width = 108\n    Height = 31\n    Alignment = taCenter\n"
      "    Caption = 'Inchide'\n    ColorStyle = lcsGold\n    Down = True\n    Flat = True\n"
      "    GroupIndex = 2\n    Layout = blGlyphRight\n    ShadowColor = clBtnShadow\n    WordWrap = True\n");
  EXPECT_EQ(paints(), paintsBefore);
  EXPECT_EQ(invalidations(), invalidationsBefore + 1);
  EXPECT_FALSE(b.loading());
  toolkit::headless::paintHost(panel);
  const auto face = ComposeButtonFace(b.face());
  EXPECT_EQ(toolkit::headless::hostSurface(panel).pixel(20 + 54, 30 + 2), face->canvas().pixel(54, 2));
}

TEST_F(SpeedButtonDescription, LinesApplyInPublicationOrderWhateverOrderTheyAreIn) {
  // Down comes before GroupIndex, so a button loaded down does not release the others of its
  // group: both stay down, as they were when stored.
  description::loadDescription(panel,
                               "object Host: TPanel\n"
                               "  object A: TLbSpeedButton\n    Down = True\n    GroupIndex = 2\n  end\n"
                               "  object B: TLbSpeedButton\n    GroupIndex = 2\n    Down = True\n  end\n"
                               "end\n",
                               classes(), {});
  EXPECT_TRUE(panel.componentNamed<TLbSpeedButton>("A").down());
  EXPECT_TRUE(panel.componentNamed<TLbSpeedButton>("B").down());
}

TEST_F(SpeedButtonDescription, MalformedValuesNameTheLineAndTheProperty) {
  const std::pair<const char*, const char*> cases[] = {
      {"    Style = bsFancy\n",
       "Line 6, property 'Style': 'bsFancy' is not one of bsNormal, bsEncarta, bsModern, bsOld, bsShape, "
       "bsQuicken"},
      // Lines 6 and on: the picture's size, then one row of pixels per line.
      {"    Glyph = {\n      2 1\n      FFFFFF\n    }\n",
       "Line 8, property 'Glyph': each row of a picture of 2 x 1 holds 2 pixels, not 1"},
      {"    Glyph = {\n      2 2\n      000000 111111 222222\n      333333\n    }\n",
       "Line 8, property 'Glyph': each row of a picture of 2 x 2 holds 2 pixels, not 3"},
      {"    Glyph = {\n      2 2\n      000000 111111\n    }\n",
       "Line 6, property 'Glyph': a picture of 2 x 2 needs 2 rows, not 1"},
      {"    Glyph = {\n      1 1\n      000000\n      111111\n    }\n",
       "Line 9, property 'Glyph': a picture of 1 x 1 ends after row 1"},
      {"    Glyph = { 1 1 FFFFFF }\n",
       "Line 6, property 'Glyph': the picture's width and height stand alone on their line"},
      {"    Glyph = {\n      1\n      1\n      FFFFFF\n    }\n",
       "Line 7, property 'Glyph': the picture's width and height stand alone on their line"},
      {"    Glyph = {\n      1 1\n      FFFFFG\n    }\n",
       "Line 8, property 'Glyph': 'FFFFFG' is not a pixel (6 hex digits, BBGGRR)"},
      {"    Glyph = {\n      1 1\n      FFFFFF\n", "Line 6, property 'Glyph': '}' is missing"},
      {"    Glyph = {\n      1 1\n      FFFFFF\n    } Flat = True\n",
       "Line 9, property 'Glyph': only the end of the line may follow the value, not 'Flat = True'"},
      // Its face is one bitmap, which must stay within the bitmap limit at up to 500% scaling.
      {"    Width = 3277\n", "Line 6, property 'Width': 3277 is out of range (0 to 3276)"},
      {"    Height = 20000\n", "Line 6, property 'Height': 20000 is out of range (0 to 3276)"},
      {"    Glyph = 3\n",
       "Line 6, property 'Glyph': a picture is wanted: { width height } and its rows of pixels"},
      {"    HotTrackFont.Size = 3\n",
       "Line 6, property 'HotTrackFont.Size': 'HotTrackFont' is stored as its parts: HotTrackFont.Charset, "
       "HotTrackFont.Color, HotTrackFont.Height, HotTrackFont.Name, HotTrackFont.Style"},
      {"    OnMouseDown = Notified\n",
       "Line 6, property 'OnMouseDown': method 'Notified' does not fit this event"},
  };
  for (const auto& [lines, message] : cases) {
    try {
      load(lines);
      ADD_FAILURE() << lines << " loaded";
    } catch (const description::DescriptionError& e) {
      EXPECT_STREQ(e.what(), message);
    }
    EXPECT_TRUE(panel.ownedComponents().empty());
  }
  const auto& largest = load("    Width = 3276\n    Height = 3276\n");
  EXPECT_EQ(largest.bounds(), (graphics::Rect{0, 0, 3276, 3276}));
}

TEST_F(SpeedButtonDescription, AFailingSetterGivesARootButtonItsGlyphAndColoursBack) {
  TLbSpeedButton root(nullptr);  // no parent: bsModern cannot ask the display for its depth
  root.setName("B");
  root.setTransparent(true);  // a change then waits for a paint cycle, which needs no parent
  const auto picture = graphics::createBitmap(2, 1);
  picture->canvas().setBrushColor(0x00123456);
  picture->canvas().fillRect({0, 0, 2, 1});
  root.setGlyph(picture.get());
  root.setShadowColor(clRed);
  const std::string before = description::storeDescription(root, classes());
  EXPECT_THROW(
      description::loadDescription(root,
                                   "object B: TLbSpeedButton\n  ColorStyle = lcsBlue\n"
                                   "  Glyph = {\n    1 1\n    FFFFFF\n  }\n  ShadowColor = $0000FF00\n"
                                   "  Style = bsModern\nend\n",
                                   classes(), {}),
      description::DescriptionError);
  EXPECT_EQ(description::storeDescription(root, classes()), before);
  EXPECT_EQ(root.glyph().canvas().pixel(1, 0), 0x00123456u);
}

}  // namespace
}  // namespace widgets::testing
