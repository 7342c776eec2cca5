// The published properties of the toolkit's classes, in publication order.
#include "description/toolkit_classes.h"

#include <limits>

#include "description/control_properties.h"
#include "description/object_properties.h"
#include "description/reference_property.h"
#include "platform/color.h"
#include "toolkit/action.h"
#include "toolkit/form.h"
#include "toolkit/graphic_control.h"
#include "toolkit/image_list.h"
#include "toolkit/log_box.h"
#include "toolkit/panel.h"
#include "toolkit/popup_menu.h"
#include "toolkit/timer.h"

namespace platform {
namespace {

template <class C>
void addBounds(ClassInfo& info) {
  info.properties.push_back(published::left<C>());
  info.properties.push_back(published::top<C>());
  info.properties.push_back(published::width<C>());
  info.properties.push_back(published::height<C>());
}

void addForm(ClassRegistry& classes) {
  ClassInfo& info = classes.add<Form>("TForm");
  const FormOptions fresh;
  info.properties = {
      valueProperty<Form, std::string, &Form::caption,
                    [](Form& f, const std::string& v) { f.setCaption(v); }>("Caption", textCodec(),
                                                                            fresh.caption),
      valueProperty<Form, int, [](const Form& f) { return f.options().clientHeight; },
                    &Form::setClientHeight>("ClientHeight", integerCodec(0, published::kMaxPosition),
                                            fresh.clientHeight),
      valueProperty<Form, int, [](const Form& f) { return f.options().clientWidth; }, &Form::setClientWidth>(
          "ClientWidth", integerCodec(0, published::kMaxPosition), fresh.clientWidth),
      valueProperty<Form, Color, [](const Form& f) { return f.options().color; }, &Form::setColor>(
          "Color", colorCodec(), fresh.color),
      valueProperty<Form, bool, [](const Form& f) { return f.options().backgroundSeeThrough; },
                    &Form::setBackgroundSeeThrough>("TransparentColor", booleanCodec(),
                                                    fresh.backgroundSeeThrough),
      fontProperty<Form, [](const Form& f) -> const Font& { return f.font(); }, &Form::setFont,
                   [](const Form&) { return FormOptions{}.font; }>("Font"),
      valueProperty<Form, int, [](const Form& f) { return f.options().stayOnTop ? 1 : 0; },
                    [](Form& f, int v) { f.setStayOnTop(v == 1); }>(
          "FormStyle", enumerationCodec({"fsNormal", "fsStayOnTop"}), fresh.stayOnTop ? 1 : 0),
      valueProperty<Form, std::string, [](const Form& f) { return f.options().iconResource; },
                    [](Form& f, const std::string& v) { f.setIconResource(v); }>("Icon", textCodec(),
                                                                                 fresh.iconResource),
      eventProperty<&Form::onKeyDown>("OnKeyDown"),
      eventProperty<&Form::onShow>("OnShow"),
  };
}

// A control that a description places on a `Parent`, with its bounds and its colour: the panel
// on the form, the log box on the panel. A component of it is also each of `Bases`.
template <class T, class Parent, class... Bases>
void addColoredChild(ClassRegistry& classes, const char* name, const char* parentName) {
  ClassInfo& info = classes.add<T, Bases...>(name);
  info.make = makeOwned<T>;
  info.parentClass = classes.find(parentName);
  info.setParent = [](Component& c, Component& parent) {
    static_cast<T&>(c).setParent(&static_cast<Parent&>(parent));
  };
  info.parentOf = [](const Component& c) -> const Component* { return static_cast<const T&>(c).parent(); };
  addBounds<T>(info);
  info.properties.push_back(
      valueProperty<T, Color, &T::color, &T::setColor>("Color", colorCodec(), T::kDefaultColor));
}

void addTimer(ClassRegistry& classes) {
  ClassInfo& info = classes.add<Timer>("TTimer");
  info.make = makeOwned<Timer>;
  info.properties = {
      valueProperty<Timer, bool, &Timer::enabled, &Timer::setEnabled>("Enabled", booleanCodec(),
                                                                      Timer::kDefaultEnabled),
      valueProperty<Timer, unsigned, &Timer::interval, &Timer::setInterval>("Interval", unsignedCodec(),
                                                                            Timer::kDefaultInterval),
      eventProperty<&Timer::onTimer>("OnTimer"),
  };
}

void addActions(ClassRegistry& classes) {
  classes.add<PopupMenu>("TPopupMenu").make = makeOwned<PopupMenu>;
  classes.add<ImageList>("TImageList").make = makeOwned<ImageList>;
  ClassInfo& list = classes.add<ActionList>("TActionList");
  list.make = makeOwned<ActionList>;
  list.properties = {
      referenceProperty<ActionList, ImageList, &ActionList::images, &ActionList::setImages>("Images")};
  ClassInfo& action = classes.add<Action>("TAction");
  action.make = makeOwned<Action>;
  const Action fresh(nullptr);
  action.properties = {
      valueProperty<Action, std::string, &Action::caption,
                    [](Action& a, const std::string& v) { a.setCaption(v); }>("Caption", textCodec(),
                                                                              fresh.caption()),
      valueProperty<Action, bool, &Action::enabled, &Action::setEnabled>("Enabled", booleanCodec(),
                                                                         fresh.enabled()),
      valueProperty<Action, std::string, &Action::hint,
                    [](Action& a, const std::string& v) { a.setHint(v); }>("Hint", textCodec(), fresh.hint()),
      valueProperty<Action, int, &Action::imageIndex, &Action::setImageIndex>(
          "ImageIndex", integerCodec(-1, std::numeric_limits<int>::max()), fresh.imageIndex()),
      valueProperty<Action, bool, &Action::visible, &Action::setVisible>("Visible", booleanCodec(),
                                                                         fresh.visible()),
      referenceProperty<Action, ActionList, &Action::actionList, &Action::setActionList>("ActionList"),
      eventProperty<&Action::onChange>("OnChange"),
      eventProperty<&Action::onExecute>("OnExecute"),
  };
}

}  // namespace

namespace published {

std::shared_ptr<const Property> action() {
  return referenceProperty<GraphicControl, Action, &GraphicControl::action, &GraphicControl::setAction>(
      "Action");
}

std::shared_ptr<const Property> cursor(const GraphicControl& fresh) {
  // Descriptions give cursors the system's names, not the enumerators'.
  static constexpr std::array<Enumerator<Cursor>, 2> kNames{
      {{Cursor::kDefault, "crDefault"}, {Cursor::kHandPoint, "crHandPoint"}}};
  static_assert(everyOrdinalInOrder(kNames, Cursor::kHandPoint));
  return valueProperty<GraphicControl, Cursor, &GraphicControl::cursor, &GraphicControl::setCursor>(
      "Cursor", enumCodec(kNames), fresh.cursor());
}

std::shared_ptr<const Property> caption(const GraphicControl& fresh) {
  return valueProperty<GraphicControl, std::string, &GraphicControl::caption,
                       [](GraphicControl& c, const std::string& v) { c.setCaption(v); }>(
      "Caption", textCodec(), fresh.caption());
}

std::shared_ptr<const Property> color(const GraphicControl& fresh) {
  // Without a parent the fresh control reads its own colour, whatever ParentColor says.
  return valueProperty<GraphicControl, Color, &GraphicControl::color, &GraphicControl::readOwnColor,
                       [](const GraphicControl& c) { return !c.parentColor(); }>("Color", colorCodec(),
                                                                                 fresh.color());
}

std::shared_ptr<const Property> enabled(const GraphicControl& fresh) {
  return valueProperty<GraphicControl, bool, &GraphicControl::enabled, &GraphicControl::setEnabled>(
      "Enabled", booleanCodec(), fresh.enabled());
}

std::shared_ptr<const Property> hint(const GraphicControl& fresh) {
  return valueProperty<GraphicControl, std::string, &GraphicControl::hint,
                       [](GraphicControl& c, const std::string& v) { c.setHint(v); }>("Hint", textCodec(),
                                                                                      fresh.hint());
}

std::shared_ptr<const Property> font() {
  return fontProperty<GraphicControl, &GraphicControl::ownFont, &GraphicControl::readOwnFont,
                      [](const GraphicControl&) { return Font{}; },
                      [](const GraphicControl& c) { return !c.parentFont(); }>("Font");
}

std::shared_ptr<const Property> parentColor(const GraphicControl& fresh) {
  return valueProperty<GraphicControl, bool, &GraphicControl::parentColor, &GraphicControl::setParentColor>(
      "ParentColor", booleanCodec(), fresh.parentColor());
}

std::shared_ptr<const Property> parentFont(const GraphicControl& fresh) {
  return valueProperty<GraphicControl, bool, &GraphicControl::parentFont, &GraphicControl::setParentFont>(
      "ParentFont", booleanCodec(), fresh.parentFont());
}

std::shared_ptr<const Property> parentShowHint(const GraphicControl& fresh) {
  return valueProperty<GraphicControl, bool, &GraphicControl::parentShowHint,
                       &GraphicControl::setParentShowHint>("ParentShowHint", booleanCodec(),
                                                           fresh.parentShowHint());
}

std::shared_ptr<const Property> popupMenu() {
  return referenceProperty<GraphicControl, PopupMenu, &GraphicControl::popupMenu,
                           &GraphicControl::setPopupMenu>("PopupMenu");
}

std::shared_ptr<const Property> showHint(const GraphicControl& fresh) {
  // Without a parent the fresh control reads its own flag, whatever ParentShowHint says.
  return valueProperty<GraphicControl, bool, &GraphicControl::showHint, &GraphicControl::setShowHint,
                       [](const GraphicControl& c) { return !c.parentShowHint(); }>(
      "ShowHint", booleanCodec(), fresh.showHint());
}

std::shared_ptr<const Property> visible(const GraphicControl& fresh) {
  return valueProperty<GraphicControl, bool, &GraphicControl::visible, &GraphicControl::setVisible>(
      "Visible", booleanCodec(), fresh.visible());
}

std::shared_ptr<const Property> onClick() {
  return eventProperty<&GraphicControl::onClick>("OnClick");
}
std::shared_ptr<const Property> onMouseDown() {
  return eventProperty<&GraphicControl::onMouseDown>("OnMouseDown");
}
std::shared_ptr<const Property> onMouseMove() {
  return eventProperty<&GraphicControl::onMouseMove>("OnMouseMove");
}
std::shared_ptr<const Property> onMouseUp() {
  return eventProperty<&GraphicControl::onMouseUp>("OnMouseUp");
}

void placeOnPanels(ClassInfo& info, const ClassRegistry& classes) {
  info.parentClass = classes.find("TPanel");
  if (!info.parentClass) throw std::logic_error("TPanel must be registered before " + info.name());
  info.setParent = [](Component& c, Component& parent) {
    static_cast<GraphicControl&>(c).setParent(&static_cast<Panel&>(parent));
  };
  info.parentOf = [](const Component& c) -> const Component* {
    return dynamic_cast<const Component*>(static_cast<const GraphicControl&>(c).parent());
  };
}

}  // namespace published

void addToolkitClasses(ClassRegistry& classes) {
  addForm(classes);
  addColoredChild<Panel, Form, ControlHost>(classes, "TPanel", "TForm");
  addColoredChild<LogBox, Panel>(classes, "TLogBox", "TPanel");
  addTimer(classes);
  addActions(classes);
}

}  // namespace platform
