// Window descriptions of the toolkit's classes: what is stored, how it loads back, and what a
// malformed description is told. The same source checks the headless and the Windows toolkit.
#include "description/description_reader.h"
#include "description/description_writer.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "description/description_syntax.h"
#include "description/reference_property.h"
#include "description/toolkit_classes.h"
#include "testing/named_cases.h"
#include "toolkit/action.h"
#include "toolkit/form.h"
#include "toolkit/image_list.h"
#include "toolkit/log_box.h"
#include "toolkit/panel.h"
#include "toolkit/timer.h"

namespace description {
namespace {

// A window class as an application derives it.
class TestForm : public toolkit::Form {
 public:
  TestForm() = default;
};

// What the toolkit's tables do not have: a reference to another component, and a setter that
// can fail.
class Link : public toolkit::Component {
 public:
  using toolkit::Component::Component;
  toolkit::Component* target = nullptr;
  int level = 0;
  void setLevel(int value) {
    if (value == 13) throw std::runtime_error("unlucky");
    level = value;
  }
};

const ClassRegistry& classes() {
  static const ClassRegistry registry = [] {
    ClassRegistry r;
    addToolkitClasses(r);
    r.derive<TestForm>("TTestForm", "TForm");
    ClassInfo& link = r.add<Link>("TLink");
    link.make = makeOwned<Link>;
    link.properties = {
        referenceProperty<Link, toolkit::Component, &Link::target,
                          [](Link& l, toolkit::Component* c) { l.target = c; }>("Target"),
        valueProperty<Link, int, &Link::level, &Link::setLevel>("Level", integerCodec(0, 99), 0),
    };
    return r;
  }();
  return registry;
}

struct Handlers {
  std::vector<std::string> calls;
  Methods methods() {
    Methods m;
    m.add<toolkit::NotifyEvent>(
        "Shown", [this](toolkit::Component& sender) { calls.push_back("Shown " + sender.name()); });
    m.add<toolkit::NotifyEvent>(
        "Ticked", [this](toolkit::Component& sender) { calls.push_back("Ticked " + sender.name()); });
    m.add<toolkit::KeyEvent>("KeyDown", [this](toolkit::Component&, int key, unsigned) {
      calls.push_back("Key " + std::to_string(key));
    });
    return m;
  }
};

// A window of every toolkit class with every property away from its default.
constexpr std::string_view kWindow = R"(object Window: TTestForm
  Caption = 'It''s a '#233'crit'
  ClientHeight = 120
  ClientWidth = 300
  Color = $00102030
  TransparentColor = True
  Font.Charset = 238
  Font.Color = clBtnText
  Font.Height = -13
  Font.Name = 'Tahoma'
  Font.Style = [fsBold, fsUnderline]
  FormStyle = fsStayOnTop
  Icon = 'NOSUCHICON'
  OnKeyDown = KeyDown
  OnShow = Shown
  object Area: TPanel
    Left = 4
    Top = 5
    Width = 290
    Height = 110
    Color = clWindow
    object Log: TLogBox
      Left = -2
      Top = 10
      Width = 200
      Height = 50
      Color = $00AFE7E6
    end
  end
  object Clock: TTimer
    Enabled = False
    Interval = 250
    OnTimer = Ticked
  end
  object First: TLink
    Target = Second
    Level = 7
  end
  object Second: TLink
    Target = Area
  end
  object Images: TImageList
  end
  object Actions: TActionList
    Images = Images
  end
  object Go: TAction
    Caption = 'Go'
    Enabled = False
    Hint = 'Goes'
    ImageIndex = 2
    Visible = False
    ActionList = Actions
    OnChange = Ticked
    OnExecute = Shown
  end
  object Menu: TPopupMenu
  end
end
)";

TEST(Description, EveryToolkitPropertyLoadsAndStoresBackTheSame) {
  Handlers handlers;
  TestForm window;
  loadDescription(window, kWindow, classes(), handlers.methods());
  EXPECT_EQ(storeDescription(window, classes()), kWindow);

  EXPECT_EQ(window.name(), "Window");
  EXPECT_EQ(window.caption(),
            "It's a \xE9"
            "crit");
  const toolkit::FormOptions& o = window.options();
  EXPECT_EQ(o.clientWidth, 300);
  EXPECT_EQ(o.clientHeight, 120);
  EXPECT_EQ(o.color, 0x00102030u);
  EXPECT_TRUE(o.backgroundSeeThrough && o.stayOnTop);
  EXPECT_EQ(o.font,
            (graphics::Font{"Tahoma", -13, graphics::kFontBold | graphics::kFontUnderline, 0xFF000012, 238}));
  auto& area = window.componentNamed<toolkit::Panel>("Area");
  EXPECT_EQ(area.parent(), &window);
  EXPECT_EQ(area.bounds(), (graphics::Rect{4, 5, 294, 115}));
  EXPECT_EQ(area.color(), 0xFF000005u);
  auto& log = window.componentNamed<toolkit::LogBox>("Log");
  EXPECT_EQ(log.parent(), &area);
  EXPECT_EQ(log.bounds(), (graphics::Rect{-2, 10, 198, 60}));
  log.appendLine("one");
  EXPECT_EQ(log.lines(), std::vector<std::string>{"one"});
  auto& clock = window.componentNamed<toolkit::Timer>("Clock");
  EXPECT_FALSE(clock.enabled());
  EXPECT_EQ(clock.interval(), 250u);
  // A reference may name a component that comes later in the description.
  EXPECT_EQ(window.componentNamed<Link>("First").target, &window.componentNamed<Link>("Second"));
  EXPECT_EQ(window.componentNamed<Link>("Second").target, &area);
  const auto& go = window.componentNamed<toolkit::Action>("Go");
  EXPECT_EQ(go.actionList(), &window.componentNamed<toolkit::ActionList>("Actions"));
  EXPECT_EQ(go.actionList()->images(), &window.componentNamed<toolkit::ImageList>("Images"));
  EXPECT_FALSE(go.enabled() || go.visible());

  window.show();
  window.previewKeyDown(27, 0);
  clock.setEnabled(true);
  clock.tick();
  EXPECT_EQ(handlers.calls, (std::vector<std::string>{"Shown Window", "Key 27", "Ticked Clock"}));
}

TEST(Description, FreshComponentsStoreNoProperties) {
  TestForm window;
  window.setName("W");
  for (const char* name :
       {"TPanel", "TLogBox", "TTimer", "TLink", "TPopupMenu", "TImageList", "TActionList", "TAction"}) {
    const ClassInfo& info = *classes().find(name);
    toolkit::Component& c = info.make(window);
    c.setName(std::string("A") + name);
    if (info.parentClass)
      info.setParent(c, info.parentClass->name() == "TForm" ? window : *window.findComponent("ATPanel"));
  }
  EXPECT_EQ(storeDescription(window, classes()),
            "object W: TTestForm\n"
            "  object ATPanel: TPanel\n"
            "    object ATLogBox: TLogBox\n"
            "    end\n"
            "  end\n"
            "  object ATTimer: TTimer\n"
            "  end\n"
            "  object ATLink: TLink\n"
            "  end\n"
            "  object ATPopupMenu: TPopupMenu\n"
            "  end\n"
            "  object ATImageList: TImageList\n"
            "  end\n"
            "  object ATActionList: TActionList\n"
            "  end\n"
            "  object ATAction: TAction\n"
            "  end\n"
            "end\n");
}

TEST(Description, PropertiesAreStoredInPublicationOrderWhateverOrderTheyWereLoadedIn) {
  TestForm window;
  loadDescription(window,
                  "object W: TTestForm\n"
                  "  object P: TPanel\n"
                  "    Color = clBtnShadow\n"
                  "    Height = 20\n"
                  "    Left = 3\n"
                  "  end\n"
                  "end\n",
                  classes(), {});
  EXPECT_EQ(window.componentNamed<toolkit::Panel>("P").bounds(), (graphics::Rect{3, 0, 3, 20}));
  EXPECT_EQ(storeDescription(window, classes()),
            "object W: TTestForm\n"
            "  object P: TPanel\n"
            "    Left = 3\n"
            "    Height = 20\n"
            "    Color = clBtnShadow\n"
            "  end\n"
            "end\n");
}

struct Malformed : test_support::NamedCase {
  const char* body;  // the lines inside "object W: TTestForm" ... "end", from line 2
  const char* message;
};

class MalformedDescription : public ::testing::TestWithParam<Malformed> {};

TEST_P(MalformedDescription, NamesTheLineAndPropertyAndLeavesTheRootAlone) {
  const Malformed& m = GetParam();
  Handlers handlers;
  TestForm window;
  window.setCaption("before");
  try {
    loadDescription(window, std::string("object W: TTestForm\n") + m.body, classes(), handlers.methods());
    FAIL() << "loaded";
  } catch (const DescriptionError& e) {
    EXPECT_STREQ(e.what(), m.message);
  }
  EXPECT_TRUE(window.ownedComponents().empty());
  EXPECT_EQ(window.caption(), "before");
  EXPECT_EQ(window.name(), "");
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, MalformedDescription,
    ::testing::Values(
        Malformed{"unknownClass", "  Caption = 'x'\n  object A: TButton\n  end\nend\n",
                  "Line 3: unknown class 'TButton'"},
        Malformed{"unknownProperty", "  Caption = 'x'\n  Colour = clWindow\nend\n",
                  "Line 3, property 'Colour': a TTestForm has no such property"},
        Malformed{"wrongType", "  ClientWidth = 'wide'\nend\n",
                  "Line 2, property 'ClientWidth': 'wide' is not a whole number"},
        Malformed{"outOfRange", "  ClientWidth = -1\nend\n",
                  "Line 2, property 'ClientWidth': -1 is out of range (0 to 32767)"},
        Malformed{"tooLarge", "  ClientWidth = 99999999999999999999\nend\n",
                  "Line 2, property 'ClientWidth': 99999999999999999999 is too large"},
        Malformed{"notABoolean", "  TransparentColor = Yes\nend\n",
                  "Line 2, property 'TransparentColor': 'Yes' is not True or False"},
        Malformed{"notAColour", "  Color = 12\nend\n",
                  "Line 2, property 'Color': 12 is not a colour ($00BBGGRR or a system colour's name)"},
        Malformed{"unknownEnumerationValue", "  FormStyle = fsFloating\nend\n",
                  "Line 2, property 'FormStyle': 'fsFloating' is not one of fsNormal, fsStayOnTop"},
        Malformed{
            "fontWithoutPart", "  Font = 'Arial'\nend\n",
            "Line 2, property 'Font': 'Font' is stored as its parts: Font.Charset, Font.Color, Font.Height, "
            "Font.Name, Font.Style"},
        Malformed{"unknownSetMember", "  Font.Style = [fsBold, fsWide]\nend\n",
                  "Line 2, property 'Font.Style': 'fsWide' is not one of fsBold, fsItalic, fsUnderline, "
                  "fsStrikeOut"},
        Malformed{"partOfAPlainValue", "  Caption.Text = 'x'\nend\n",
                  "Line 2, property 'Caption.Text': 'Caption' has no parts"},
        Malformed{"givenTwice", "  Caption = 'x'\n  Caption = 'y'\nend\n",
                  "Line 3, property 'Caption': given twice (first on line 2)"},
        Malformed{"unknownMethod", "  OnShow = Appeared\nend\n",
                  "Line 2, property 'OnShow': there is no method 'Appeared'"},
        Malformed{"methodOfAnotherType", "  OnShow = KeyDown\nend\n",
                  "Line 2, property 'OnShow': method 'KeyDown' does not fit this event"},
        Malformed{"danglingReference", "  object A: TLink\n    Target = Nobody\n  end\nend\n",
                  "Line 3, property 'Target': there is no component 'Nobody'"},
        Malformed{"misplaced", "  object L: TLogBox\n  end\nend\n",
                  "Line 2: a TLogBox cannot be placed in a TTestForm ('W'); it goes in a TPanel"},
        Malformed{"timerInAPanel", "  object P: TPanel\n    object T: TTimer\n    end\n  end\nend\n",
                  "Line 3: a TTimer has no parent; it goes directly in 'W'"},
        Malformed{"rootNested", "  object F: TTestForm\n  end\nend\n",
                  "Line 2: a TTestForm cannot be a nested component"},
        Malformed{"sameNameTwice", "  object A: TTimer\n  end\n  object A: TLink\n  end\nend\n",
                  "Line 4: there is already a component named 'A'"},
        Malformed{"missingEquals", "  Caption 'x'\nend\n",
                  "Line 2, property 'Caption': '=' is expected after the property's name"},
        Malformed{"valueOnTheNextLine", "  Caption =\n 'x'\nend\n",
                  "Line 3, property 'Caption': the value must be on the property's line"},
        Malformed{"openText", "  Caption = 'x\nend\n",
                  "Line 2, property 'Caption': the text is not closed on its line"},
        Malformed{"badByte", "  Caption = #300\nend\n",
                  "Line 2, property 'Caption': '#' must be followed by a byte value, 0 to 255"},
        Malformed{"missingEnd", "  Caption = 'x'\n", "Line 3: 'end' is missing for 'W'"},
        Malformed{"textAfterTheEnd", "end\nobject X: TTestForm\nend\n",
                  "Line 3: nothing may follow the end of 'W'"},
        Malformed{
            "failingSetter",
            "  Caption = 'x'\n  object A: TTimer\n  end\n  object B: TLink\n    Level = 13\n  end\nend\n",
            "Line 6, property 'Level': unlucky"},
        Malformed{
            "textAfterAValue", "  ClientWidth = 0x12C\nend\n",
            "Line 2, property 'ClientWidth': only the end of the line may follow the value, not 'x12C'"},
        Malformed{"twoPropertiesOnALine", "  ClientWidth = 1  ClientHeight = 2\nend\n",
                  "Line 2, property 'ClientWidth': only the end of the line may follow the value, not "
                  "'ClientHeight = 2'"},
        Malformed{"textAfterAHeading", "  object A: TTimer Enabled = False\n  end\nend\n",
                  "Line 2: only the end of the line may follow the class name, not 'Enabled = False'"},
        Malformed{"textAfterAnEnd", "  object A: TTimer\n  end end\nend\n",
                  "Line 3: only the end of the line may follow 'end', not 'end'"},
        Malformed{"loneCarriageReturns", "  Caption = 'x'\r  Colour = clWindow\rend\r",
                  "Line 3, property 'Colour': a TTestForm has no such property"},
        Malformed{"carriageReturnsAndLineFeeds", "  Caption = 'x'\r\n\r\n  Colour = clWindow\r\nend\r\n",
                  "Line 4, property 'Colour': a TTestForm has no such property"},
        Malformed{"textCutByACarriageReturn", "  Caption = 'x\r'\nend\n",
                  "Line 2, property 'Caption': the text is not closed on its line"},
        Malformed{"namesDifferingInCase",
                  "  object Clock: TTimer\n  end\n  object cLOCK: TLink\n  end\nend\n",
                  "Line 4: 'cLOCK' differs only in letter case from the component 'Clock'"},
        Malformed{"theRootsNameInOtherCase", "  object w: TTimer\n  end\nend\n",
                  "Line 2: 'w' differs only in letter case from the component 'W'"}),
    test_support::ByCaseName{});

TEST(Description, AFailingSetterGivesEveryPropertyOfTheRootItsFormerValueBack) {
  Handlers handlers;
  TestForm window;
  window.setName("Before");
  window.setCaption("before");
  window.setFont(graphics::Font{"Arial", -12, graphics::kFontItalic, 0x00112233, 1});
  window.setClientWidth(77);
  const std::string before = storeDescription(window, classes());
  // Every property of the root is written before the nested setter fails.
  std::string failing(kWindow);
  failing.replace(failing.find("Level = 7"), 9, "Level = 13");
  EXPECT_THROW(loadDescription(window, failing, classes(), handlers.methods()), DescriptionError);
  EXPECT_EQ(storeDescription(window, classes()), before);
  EXPECT_TRUE(window.ownedComponents().empty());
  EXPECT_FALSE(window.onShow || window.onKeyDown) << "no handler stays bound";
}

TEST(Description, TheWriterRefusesNamesItCouldNotReadBackAndWritesNothing) {
  struct Case {
    const char* root;
    std::vector<const char*> owned;
    const char* message;
  };
  const Case cases[] = {
      {"W",
       {"Clock", "Log", "CLOCK"},
       "'CLOCK' cannot be stored beside 'Clock': names must differ in more than letter case"},
      {"W", {"w"}, "'w' cannot be stored beside 'W': names must differ in more than letter case"},
      {"W",
       {"Two words"},
       "'Two words' cannot be stored: a name is a letter or '_', then letters, digits and '_'"},
      {"W", {"1st"}, "'1st' cannot be stored: a name is a letter or '_', then letters, digits and '_'"},
      {"Main.Window",
       {},
       "'Main.Window' cannot be stored: a name is a letter or '_', then letters, digits and '_'"},
      {"W", {""}, "A TTimer without a name cannot be stored"},
  };
  for (const Case& c : cases) {
    TestForm window;
    window.setName(c.root);
    for (const char* name : c.owned) window.own<toolkit::Timer>().setName(name);
    try {
      const std::string text = storeDescription(window, classes());
      ADD_FAILURE() << c.message << ": stored\n" << text;
    } catch (const std::runtime_error& e) {
      EXPECT_STREQ(e.what(), c.message);
    }
  }
  TestForm window;
  window.setName("_W2");
  window.own<toolkit::Timer>().setName("Clock_1");
  TestForm other;
  loadDescription(other, storeDescription(window, classes()), classes(), {});
  EXPECT_EQ(other.name(), "_W2");
  EXPECT_NE(other.findComponent("Clock_1"), nullptr) << "names of letters, digits and '_' read back";
}

TEST(Description, TheRootMustBeOfTheNamedClass) {
  TestForm window;
  try {
    loadDescription(window, "object W: TForm\nend\n", classes(), {});
    FAIL() << "loaded";
  } catch (const DescriptionError& e) {
    EXPECT_STREQ(e.what(), "Line 1: the description is of a TForm, not of a TTestForm");
    EXPECT_EQ(e.line(), 1);
  }
  toolkit::Panel owner(nullptr);
  owner.own<Link>().setName("Elsewhere");
  auto& outside = window.own<Link>();
  outside.setName("L");
  outside.target = owner.findComponent("Elsewhere");
  window.setName("W");
  EXPECT_THROW(storeDescription(window, classes()), std::runtime_error)
      << "a reference outside the description";
}

TEST(Description, TextsKeepEveryByte) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  for (const std::string& text : {std::string(), std::string("'"), std::string("a''b"), all}) {
    const ObjectBlock block =
        parseDescription("object W: TTestForm\n  Caption = " + quoteText(text) + "\nend\n");
    ASSERT_EQ(block.properties.size(), 1u);
    EXPECT_EQ(block.properties[0].value.text, text);
  }
  EXPECT_EQ(quoteText("It's\r\n"), "'It''s'#13#10");
}

}  // namespace
}  // namespace description
