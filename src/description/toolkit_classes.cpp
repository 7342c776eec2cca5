// The published properties of the toolkit's classes, in publication order.
#include "description/toolkit_classes.h"

#include <limits>

#include "description/control_properties.h"
#include "description/object_properties.h"
#include "description/reference_property.h"
#include "graphics/color.h"
#include "toolkit/action.h"
#include "toolkit/form.h"
#include "toolkit/graphic_control.h"
#include "toolkit/image_list.h"
#include "toolkit/log_box.h"
#include "toolkit/panel.h"
#include "toolkit/popup_menu.h"
#include "toolkit/timer.h"

namespace description {
namespace {

template <class C>
void addBounds(ClassInfo& info) {
  info.properties.push_back(published::left<C>());
  info.properties.push_back(published::top<C>());
  info.properties.push_back(published::width<C>());
  info.properties.push_back(published::height<C>());
}

void addForm(ClassRegistry& classes) {
  ClassInfo& info = classes.add<toolkit::Form>("TForm");
  const toolkit::FormOptions fresh;
  info.properties = {
      valueProperty<toolkit::Form, std::string, &toolkit::Form::caption,
                    [](toolkit::Form& f, const std::string& v) { f.setCaption(v); }>("Caption", textCodec(),
                                                                                     fresh.caption),
      valueProperty<toolkit::Form, int, [](const toolkit::Form& f) { return f.options().clientHeight; },
                    &toolkit::Form::setClientHeight>("ClientHeight", integerCodec(0, published::kMaxPosition),
                                                     fresh.clientHeight),
      valueProperty<toolkit::Form, int, [](const toolkit::Form& f) { return f.options().clientWidth; },
                    &toolkit::Form::setClientWidth>("ClientWidth", integerCodec(0, published::kMaxPosition),
                                                    fresh.clientWidth),
      valueProperty<toolkit::Form, graphics::Color, [](const toolkit::Form& f) { return f.options().color; },
                    &toolkit::Form::setColor>("Color", colorCodec(), fresh.color),
      valueProperty<toolkit::Form, bool,
                    [](const toolkit::Form& f) { return f.options().backgroundSeeThrough; },
                    &toolkit::Form::setBackgroundSeeThrough>("TransparentColor", booleanCodec(),
                                                             fresh.backgroundSeeThrough),
      fontProperty<toolkit::Form, [](const toolkit::Form& f) -> const graphics::Font& { return f.font(); },
                   &toolkit::Form::setFont, [](const toolkit::Form&) { return toolkit::FormOptions{}.font; }>(
          "Font"),
      valueProperty<toolkit::Form, int, [](const toolkit::Form& f) { return f.options().stayOnTop ? 1 : 0; },
                    [](toolkit::Form& f, int v) { f.setStayOnTop(v == 1); }>(
          "FormStyle", enumerationCodec({"fsNormal", "fsStayOnTop"}), fresh.stayOnTop ? 1 : 0),
      valueProperty<toolkit::Form, std::string,
                    [](const toolkit::Form& f) { return f.options().iconResource; },
                    [](toolkit::Form& f, const std::string& v) { f.setIconResource(v); }>("Icon", textCodec(),
                                                                                          fresh.iconResource),
      eventProperty<&toolkit::Form::onKeyDown>("OnKeyDown"),
      eventProperty<&toolkit::Form::onShow>("OnShow"),
  };
}

// A control that a description places on a `Parent`, with its bounds and its colour: the panel
// on the form, the log box on the panel. A component of it is also each of `Bases`.
template <class T, class Parent, class... Bases>
void addColoredChild(ClassRegistry& classes, const char* name, const char* parentName) {
  ClassInfo& info = classes.add<T, Bases...>(name);
  info.make = makeOwned<T>;
  info.parentClass = classes.find(parentName);
  info.setParent = [](toolkit::Component& c, toolkit::Component& parent) {
    static_cast<T&>(c).setParent(&static_cast<Parent&>(parent));
  };
  info.parentOf = [](const toolkit::Component& c) -> const toolkit::Component* {
    return static_cast<const T&>(c).parent();
  };
  addBounds<T>(info);
  info.properties.push_back(
      valueProperty<T, graphics::Color, &T::color, &T::setColor>("Color", colorCodec(), T::kDefaultColor));
}

void addTimer(ClassRegistry& classes) {
  ClassInfo& info = classes.add<toolkit::Timer>("TTimer");
  info.make = makeOwned<toolkit::Timer>;
  info.properties = {
      valueProperty<toolkit::Timer, bool, &toolkit::Timer::enabled, &toolkit::Timer::setEnabled>(
          "Enabled", booleanCodec(), toolkit::Timer::kDefaultEnabled),
      valueProperty<toolkit::Timer, unsigned, &toolkit::Timer::interval, &toolkit::Timer::setInterval>(
          "Interval", unsignedCodec(), toolkit::Timer::kDefaultInterval),
      eventProperty<&toolkit::Timer::onTimer>("OnTimer"),
  };
}

void addActions(ClassRegistry& classes) {
  classes.add<toolkit::PopupMenu>("TPopupMenu").make = makeOwned<toolkit::PopupMenu>;
  classes.add<toolkit::ImageList>("TImageList").make = makeOwned<toolkit::ImageList>;
  ClassInfo& list = classes.add<toolkit::ActionList>("TActionList");
  list.make = makeOwned<toolkit::ActionList>;
  list.properties = {referenceProperty<toolkit::ActionList, toolkit::ImageList, &toolkit::ActionList::images,
                                       &toolkit::ActionList::setImages>("Images")};
  ClassInfo& action = classes.add<toolkit::Action>("TAction");
  action.make = makeOwned<toolkit::Action>;
  const toolkit::Action fresh(nullptr);
  action.properties = {
      valueProperty<toolkit::Action, std::string, &toolkit::Action::caption,
                    [](toolkit::Action& a, const std::string& v) { a.setCaption(v); }>("Caption", textCodec(),
                                                                                       fresh.caption()),
      valueProperty<toolkit::Action, bool, &toolkit::Action::enabled, &toolkit::Action::setEnabled>(
          "Enabled", booleanCodec(), fresh.enabled()),
      valueProperty<toolkit::Action, std::string, &toolkit::Action::hint,
                    [](toolkit::Action& a, const std::string& v) { a.setHint(v); }>("Hint", textCodec(),
                                                                                    fresh.hint()),
      valueProperty<toolkit::Action, int, &toolkit::Action::imageIndex, &toolkit::Action::setImageIndex>(
          "ImageIndex", integerCodec(-1, std::numeric_limits<int>::max()), fresh.imageIndex()),
      valueProperty<toolkit::Action, bool, &toolkit::Action::visible, &toolkit::Action::setVisible>(
          "Visible", booleanCodec(), fresh.visible()),
      referenceProperty<toolkit::Action, toolkit::ActionList, &toolkit::Action::actionList,
                        &toolkit::Action::setActionList>("ActionList"),
      eventProperty<&toolkit::Action::onChange>("OnChange"),
      eventProperty<&toolkit::Action::onExecute>("OnExecute"),
  };
}

}  // namespace

namespace published {

std::shared_ptr<const Property> action() {
  return referenceProperty<toolkit::GraphicControl, toolkit::Action, &toolkit::GraphicControl::action,
                           &toolkit::GraphicControl::setAction>("Action");
}

std::shared_ptr<const Property> cursor(const toolkit::GraphicControl& fresh) {
  // Descriptions give cursors the system's names, not the enumerators'.
  static constexpr std::array<Enumerator<toolkit::Cursor>, 2> kNames{
      {{toolkit::Cursor::kDefault, "crDefault"}, {toolkit::Cursor::kHandPoint, "crHandPoint"}}};
  static_assert(everyOrdinalInOrder(kNames, toolkit::Cursor::kHandPoint));
  return valueProperty<toolkit::GraphicControl, toolkit::Cursor, &toolkit::GraphicControl::cursor,
                       &toolkit::GraphicControl::setCursor>("Cursor", enumCodec(kNames), fresh.cursor());
}

std::shared_ptr<const Property> caption(const toolkit::GraphicControl& fresh) {
  return valueProperty<toolkit::GraphicControl, std::string, &toolkit::GraphicControl::caption,
                       [](toolkit::GraphicControl& c, const std::string& v) { c.setCaption(v); }>(
      "Caption", textCodec(), fresh.caption());
}

std::shared_ptr<const Property> color(const toolkit::GraphicControl& fresh) {
  // Without a parent the fresh control reads its own colour, whatever ParentColor says.
  return valueProperty<toolkit::GraphicControl, graphics::Color, &toolkit::GraphicControl::color,
                       &toolkit::GraphicControl::readOwnColor, [](const toolkit::GraphicControl& c) {
                         return !c.parentColor();
                       }>("Color", colorCodec(), fresh.color());
}

std::shared_ptr<const Property> enabled(const toolkit::GraphicControl& fresh) {
  return valueProperty<toolkit::GraphicControl, bool, &toolkit::GraphicControl::enabled,
                       &toolkit::GraphicControl::setEnabled>("Enabled", booleanCodec(), fresh.enabled());
}

std::shared_ptr<const Property> hint(const toolkit::GraphicControl& fresh) {
  return valueProperty<toolkit::GraphicControl, std::string, &toolkit::GraphicControl::hint,
                       [](toolkit::GraphicControl& c, const std::string& v) { c.setHint(v); }>(
      "Hint", textCodec(), fresh.hint());
}

std::shared_ptr<const Property> font() {
  return fontProperty<toolkit::GraphicControl, &toolkit::GraphicControl::ownFont,
                      &toolkit::GraphicControl::readOwnFont,
                      [](const toolkit::GraphicControl&) { return graphics::Font{}; },
                      [](const toolkit::GraphicControl& c) { return !c.parentFont(); }>("Font");
}

std::shared_ptr<const Property> parentColor(const toolkit::GraphicControl& fresh) {
  return valueProperty<toolkit::GraphicControl, bool, &toolkit::GraphicControl::parentColor,
                       &toolkit::GraphicControl::setParentColor>("ParentColor", booleanCodec(),
                                                                 fresh.parentColor());
}

std::shared_ptr<const Property> parentFont(const toolkit::GraphicControl& fresh) {
  return valueProperty<toolkit::GraphicControl, bool, &toolkit::GraphicControl::parentFont,
                       &toolkit::GraphicControl::setParentFont>("ParentFont", booleanCodec(),
                                                                fresh.parentFont());
}

std::shared_ptr<const Property> parentShowHint(const toolkit::GraphicControl& fresh) {
  return valueProperty<toolkit::GraphicControl, bool, &toolkit::GraphicControl::parentShowHint,
                       &toolkit::GraphicControl::setParentShowHint>("ParentShowHint", booleanCodec(),
                                                                    fresh.parentShowHint());
}

std::shared_ptr<const Property> popupMenu() {
  return referenceProperty<toolkit::GraphicControl, toolkit::PopupMenu, &toolkit::GraphicControl::popupMenu,
                           &toolkit::GraphicControl::setPopupMenu>("PopupMenu");
}

std::shared_ptr<const Property> showHint(const toolkit::GraphicControl& fresh) {
  // Without a parent the fresh control reads its own flag, whatever ParentShowHint says.
  return valueProperty<toolkit::GraphicControl, bool, &toolkit::GraphicControl::showHint,
                       &toolkit::GraphicControl::setShowHint, [](const toolkit::GraphicControl& c) {
                         return !c.parentShowHint();
                       }>("ShowHint", booleanCodec(), fresh.showHint());
}

std::shared_ptr<const Property> visible(const toolkit::GraphicControl& fresh) {
  return valueProperty<toolkit::GraphicControl, bool, &toolkit::GraphicControl::visible,
                       &toolkit::GraphicControl::setVisible>("Visible", booleanCodec(), fresh.visible());
}

std::shared_ptr<const Property> onClick() {
  return eventProperty<&toolkit::GraphicControl::onClick>("OnClick");
}
std::shared_ptr<const Property> onMouseDown() {
  return eventProperty<&toolkit::GraphicControl::onMouseDown>("OnMouseDown");
}
std::shared_ptr<const Property> onMouseMove() {
  return eventProperty<&toolkit::GraphicControl::onMouseMove>("OnMouseMove");
}
std::shared_ptr<const Property> onMouseUp() {
  return eventProperty<&toolkit::GraphicControl::onMouseUp>("OnMouseUp");
}

void placeOnPanels(ClassInfo& info, const ClassRegistry& classes) {
  info.parentClass = classes.find("TPanel");
  if (!info.parentClass) throw std::logic_error("TPanel must be registered before " + info.name());
  info.setParent = [](toolkit::Component& c, toolkit::Component& parent) {
    static_cast<toolkit::GraphicControl&>(c).setParent(&static_cast<toolkit::Panel&>(parent));
  };
  info.parentOf = [](const toolkit::Component& c) -> const toolkit::Component* {
    return dynamic_cast<const toolkit::Component*>(static_cast<const toolkit::GraphicControl&>(c).parent());
  };
}

}  // namespace published

void addToolkitClasses(ClassRegistry& classes) {
  addForm(classes);
  addColoredChild<toolkit::Panel, toolkit::Form, toolkit::ControlHost>(classes, "TPanel", "TForm");
  addColoredChild<toolkit::LogBox, toolkit::Panel>(classes, "TLogBox", "TPanel");
  addTimer(classes);
  addActions(classes);
}

}  // namespace description
