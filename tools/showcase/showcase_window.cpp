#include "showcase_window.h"

#include <array>
#include <string>
#include <utility>

#include "showcase_art.h"
#include "showcase_layout.h"
#include "toolkit/application.h"
#include "toolkit/input.h"
#include "widgets/lb_color_styles.h"

namespace showcase {
namespace {

using namespace widgets;
using graphics::Rect;
namespace layout = showcase::layout;

constexpr TColor kFormColor = 0x00D8C8B8;
constexpr TColor kPanelColor = 0x00F4ECE4;
constexpr TColor kHeadingColor = 0x00703810;
// The showcase's own button colours: a cool blue with a warm hot-track.
constexpr TColor kFace = 0x00F0D8B8;
constexpr TColor kHot = 0x00C8ECFF;
constexpr TColor kLight = 0x00FFFFFF;
constexpr TColor kShadow = 0x00805030;
constexpr TColor kDown = 0x00A0C8F0;

toolkit::FormOptions windowOptions() {
  toolkit::FormOptions o;
  o.caption = "TLbSpeedButton showcase";
  o.clientWidth = layout::kClientWidth;
  o.clientHeight = layout::kClientHeight;
  o.color = kFormColor;
  return o;
}

const char* styleName(TLbSpeedButtonStyle style) {
  constexpr std::array<const char*, 6> kNames = {"bsNormal", "bsEncarta", "bsModern",
                                                 "bsOld",    "bsShape",   "bsQuicken"};
  return kNames[style];
}

struct ColourStyle {
  TLbColorStyle style;
  const char* caption;
  const char* name;
};
constexpr std::array<ColourStyle, 10> kColourStyles = {{
    {lcsGold, "Gold", "lcsGold"},
    {lcsChrome, "Chrome", "lcsChrome"},
    {lcsBlue, "Blue", "lcsBlue"},
    {lcsRed, "Red", "lcsRed"},
    {lcsUltraFlat1, "Ultra flat 1", "lcsUltraFlat1"},
    {lcsUltraFlat2, "Ultra flat 2", "lcsUltraFlat2"},
    {lcsUltraFlatXP, "Ultra flat XP", "lcsUltraFlatXP"},
    {lcsAqua, "Aqua", "lcsAqua"},
    {lcsDefault, "Default", "lcsDefault"},
    {lcsQuicken, "Quicken", "lcsQuicken"},
}};

}  // namespace

ShowcaseWindow::ShowcaseWindow()
    : form_(windowOptions()),
      colours_(form_.own<toolkit::PopupMenu>()),
      images_(form_.own<toolkit::ImageList>(16, 16)),
      actions_(form_.own<toolkit::ActionList>()),
      play_(form_.own<toolkit::Action>()) {
  buildFaceStyles();
  buildColourStyles();
  buildTransparent();
  buildFlat();
  buildGroup();
  buildAccelerators();
  buildPopupMenu();
  buildAction();
  buildGlyphs();
  toolkit::Panel& events = section(layout::kEventsPanel, "Events");
  log_ = std::make_unique<toolkit::LogBox>(events, layout::kEventLog, 0x00FFFFFF);
  log("Point at a button for its hint; Alt+O, Alt+S and Alt+P are accelerators; Escape closes.");
  form_.onKeyDown = [](toolkit::Component&, int key, unsigned) {
    if (key == toolkit::kKeyEscape) toolkit::application::terminate();
  };
}

toolkit::Panel& ShowcaseWindow::section(const Rect& bounds, std::string_view heading) {
  auto& panel = *panels_.emplace_back(std::make_unique<toolkit::Panel>(form_, bounds, kPanelColor));
  panel.setShowHint(true);
  auto& label = form_.own<Label>();
  label.setParent(&panel);
  label.setDesignBounds({10, 3, bounds.width() - 10, 3 + layout::kHeadingHeight});
  graphics::Font font = form_.font();
  font.style = graphics::kFontBold;
  font.color = kHeadingColor;
  label.setFont(font);
  label.setCaption(heading);
  return panel;
}

ShowcaseWindow::Button& ShowcaseWindow::addButton(toolkit::Panel& panel, const Rect& bounds,
                                                  std::string_view name, std::string_view caption,
                                                  std::string_view hint) {
  auto& b = form_.own<Button>();
  b.beginLoading();
  b.setName(name);
  b.setParent(&panel);
  b.setDesignBounds(bounds);
  b.setCaption(caption);
  b.setHint(hint);
  b.setColor(kFace);
  b.setHotTrackColor(kHot);
  b.setLightColor(kLight);
  b.setShadowColor(kShadow);
  b.setAlignment(taCenter);
  b.setCursor(toolkit::Cursor::kHandPoint);
  b.endLoading();
  return b;
}

void ShowcaseWindow::logClicks(Button& button) {
  button.onClick = [this](toolkit::Component& sender) { log("Click: " + sender.name()); };
}

void ShowcaseWindow::buildFaceStyles() {
  toolkit::Panel& panel = section(layout::kFacesPanel, "Face styles");
  for (int i = 0; i < 6; ++i) {
    const auto style = static_cast<TLbSpeedButtonStyle>(i);
    const Rect bounds = layout::rowButton(i % 3, layout::kFirstRow + (i / 3) * 38, 110);
    Button& b = addButton(panel, bounds, styleName(style), styleName(style),
                          std::string("Style = ") + styleName(style));
    b.beginLoading();
    b.setStyle(style);
    b.endLoading();
    logClicks(b);
  }
}

void ShowcaseWindow::buildColourStyles() {
  toolkit::Panel& panel = section(layout::kColoursPanel, "Colour styles");
  for (std::size_t i = 0; i < kColourStyles.size(); ++i) {
    const ColourStyle& cs = kColourStyles[i];
    const int column = static_cast<int>(i % 4);
    const int row = static_cast<int>(i / 4);
    Button& b = addButton(panel, layout::rowButton(column, layout::kFirstRow + row * 36, 82, 28, 10, 6),
                          cs.name, cs.caption, std::string("ColorStyle = ") + cs.name);
    b.beginLoading();
    b.setColorStyle(cs.style);
    b.endLoading();
    b.setSlowDecease(true);  // the hot-track colour fades out after the pointer leaves
    logClicks(b);
  }
}

void ShowcaseWindow::buildTransparent() {
  toolkit::Panel& panel = section(layout::kTransparentPanel, "Transparent, over a patterned parent");
  auto& ground = form_.own<Checkerboard>();
  ground.setParent(&panel);
  ground.setDesignBounds({10, layout::kFirstRow, layout::kTransparentPanel.width() - 10,
                          layout::kTransparentPanel.height() - 8});
  const std::array<std::pair<TLbSpeedButtonStyle, const char*>, 3> kinds = {
      {{bsNormal, "TransparentNormal"}, {bsModern, "TransparentModern"}, {bsShape, "TransparentShape"}}};
  for (int i = 0; i < 3; ++i) {
    const auto& [style, name] = kinds[static_cast<std::size_t>(i)];
    Button& b = addButton(panel, layout::rowButton(i, layout::kFirstRow + 16, 104, 34, 20, 12), name,
                          styleName(style), std::string("Transparent, ") + styleName(style));
    b.beginLoading();
    b.setStyle(style);
    b.setTransparent(true);
    b.setFlat(style == bsNormal);
    b.endLoading();
    logClicks(b);
  }
}

void ShowcaseWindow::buildFlat() {
  toolkit::Panel& panel = section(layout::kFlatPanel, "Flat: the frame shows when hot or down");
  const std::array<TLbSpeedButtonStyle, 3> styles = {bsNormal, bsEncarta, bsOld};
  for (int i = 0; i < 3; ++i) {
    const TLbSpeedButtonStyle style = styles[static_cast<std::size_t>(i)];
    Button& b = addButton(panel, layout::rowButton(i, layout::kFirstRow + 8, 110),
                          std::string("Flat") + styleName(style), styleName(style),
                          std::string("Flat, ") + styleName(style));
    b.beginLoading();
    b.setStyle(style);
    b.setFlat(true);
    b.endLoading();
    logClicks(b);
  }
}

void ShowcaseWindow::buildGroup() {
  toolkit::Panel& panel = section(layout::kGroupPanel, "A group of three (GroupIndex 1)");
  const std::array<const char*, 3> names = {"One", "Two", "Three"};
  for (int i = 0; i < 3; ++i) {
    Button& b = addButton(panel, layout::groupButton(i), names[static_cast<std::size_t>(i)],
                          names[static_cast<std::size_t>(i)], "One of the group stays down");
    b.beginLoading();
    b.setStyle(bsModern);
    b.setGroupIndex(1);
    b.setColorWhenDown(kDown);
    b.endLoading();
    group_.push_back(&b);
    b.onClick = [this](toolkit::Component&) {
      std::string states = "Group:";
      for (const Button* member : group_) states += " " + member->name() + (member->down() ? " down" : " up");
      log(states);
    };
  }
  group_[0]->setDown(true);
  // A latching button of its own group: down means AllowAllUp is on for the three.
  Button& allowAllUp = addButton(panel, layout::kAllowAllUpButton, "AllowAllUp", "AllowAllUp",
                                 "Lets the group's down button be pressed up");
  allowAllUp.setGroupIndex(2);
  allowAllUp.setAllowAllUp(true);
  allowAllUp.setColorWhenDown(kDown);
  allowAllUp.onClick = [this, &allowAllUp](toolkit::Component&) {
    for (Button* member : group_) member->setAllowAllUp(allowAllUp.down());
    log(std::string("AllowAllUp ") + (allowAllUp.down() ? "on" : "off"));
  };
}

void ShowcaseWindow::buildAccelerators() {
  toolkit::Panel& panel = section(layout::kAcceleratorPanel, "Accelerators: Alt and the underlined letter");
  logClicks(addButton(panel, layout::kOpenButton, "Open", "&Open", "Alt+O"));
  logClicks(addButton(panel, layout::kSaveButton, "Save", "&Save", "Alt+S"));
  logClicks(addButton(panel, layout::kLiteralButton, "FishAndChips", "Fish && Chips",
                      "\"&&\" is an ampersand: no accelerator"));
  Button& close = addButton(panel, layout::kCloseButton, "Close", "&Close", "Alt+C closes the showcase");
  close.onClick = [](toolkit::Component&) { toolkit::application::terminate(); };
}

void ShowcaseWindow::buildPopupMenu() {
  toolkit::Panel& panel = section(layout::kPopupPanel, "Popup menu: drops down, then the click");
  const std::array<const char*, 3> choices = {"&Red", "&Green", "&Blue"};
  for (const char* caption : choices) {
    colours_.addItem(caption, [this](toolkit::Component& sender) {
      for (toolkit::MenuItem* item : colours_.items()) item->setChecked(item == &sender);
      std::string name = static_cast<toolkit::MenuItem&>(sender).caption();
      std::erase(name, '&');
      log("Menu: " + name);
    });
  }
  colours_.items()[2]->setChecked(true);
  colours_.addItem("-");
  colours_.addItem("Gray (disabled)").setEnabled(false);
  Button& colour = addButton(panel, layout::kColourButton, "Colour", "Colour", "A popup menu drops down");
  colour.setStyle(bsModern);
  colour.setPopupMenu(&colours_);
  logClicks(colour);
  Button& flat =
      addButton(panel, layout::kFlatMenuButton, "FlatColour", "Flat colour", "The same menu, a flat face");
  flat.setFlat(true);
  flat.setPopupMenu(&colours_);
  logClicks(flat);
}

void ShowcaseWindow::buildAction() {
  toolkit::Panel& panel = section(layout::kActionPanel, "An action with an image list");
  images_.addStrip(*makeImageStrip());
  actions_.setImages(&images_);
  play_.setName("PlayAction");
  play_.setActionList(&actions_);
  play_.setCaption("&Play");
  play_.setHint("The action's hint: plays");
  play_.setImageIndex(kPlayImage);
  play_.onExecute = [this](toolkit::Component&) { log("Action: Play"); };
  Button& modern = addButton(panel, layout::kPlayButton, "PlayModern", "", "");
  modern.setStyle(bsModern);
  modern.setAction(&play_);
  Button& quicken = addButton(panel, layout::kPlayQuickenButton, "PlayQuicken", "", "");
  quicken.setStyle(bsQuicken);
  quicken.setLayout(blGlyphTop);
  quicken.setAction(&play_);
  Button& enable = addButton(panel, layout::kActionSwitch, "ActionEnabled", "Action enabled",
                             "Switches the action on and off");
  enable.setGroupIndex(3);
  enable.setAllowAllUp(true);
  enable.setColorWhenDown(kDown);
  enable.setDown(true);
  enable.onClick = [this, &enable](toolkit::Component&) {
    play_.setEnabled(enable.down());
    log(std::string("Action ") + (enable.down() ? "enabled" : "disabled"));
  };
}

void ShowcaseWindow::buildGlyphs() {
  toolkit::Panel& panel = section(layout::kGlyphPanel, "A glyph strip of four frames");
  const auto glyph = makeFourFrameGlyph();
  const std::array<std::pair<TLbSpeedButtonLayout, const char*>, 3> kinds = {
      {{blGlyphLeft, "GlyphLeft"}, {blGlyphTop, "GlyphTop"}, {blGlyphRight, "GlyphDisabled"}}};
  for (int i = 0; i < 3; ++i) {
    const auto& [glyphLayout, name] = kinds[static_cast<std::size_t>(i)];
    Button& b = addButton(panel, layout::rowButton(i, layout::kFirstRow + 4, 110, 64), name,
                          i == 2 ? "Disabled" : "Star", "Frames: normal, disabled, down, hot");
    b.beginLoading();
    b.setStyle(i == 1 ? bsQuicken : bsNormal);
    b.setGlyph(glyph.get());
    b.setLayout(glyphLayout);
    b.setEnabled(i != 2);
    b.endLoading();
    logClicks(b);
  }
}

}  // namespace showcase
