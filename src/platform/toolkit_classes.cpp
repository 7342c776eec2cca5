// The published properties of the toolkit's classes, in publication order.
#include "platform/toolkit_classes.h"

#include <limits>

#include "platform/action.h"
#include "platform/color.h"
#include "platform/control_properties.h"
#include "platform/form.h"
#include "platform/graphic_control.h"
#include "platform/image_list.h"
#include "platform/log_box.h"
#include "platform/object_properties.h"
#include "platform/panel.h"
#include "platform/popup_menu.h"
#include "platform/reference_property.h"
#include "platform/timer.h"

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
  info.properties = {
      valueProperty<Form, std::string>(
          "Caption", textCodec(), &Form::caption, [](Form& f, const std::string& v) { f.setCaption(v); }, ""),
      valueProperty<Form, int>(
          "ClientHeight", integerCodec(0, published::kMaxPosition),
          [](const Form& f) { return f.options().clientHeight; }, &Form::setClientHeight, 0),
      valueProperty<Form, int>(
          "ClientWidth", integerCodec(0, published::kMaxPosition),
          [](const Form& f) { return f.options().clientWidth; }, &Form::setClientWidth, 0),
      valueProperty<Form, Color>(
          "Color", colorCodec(), [](const Form& f) { return f.options().color; }, &Form::setColor,
          kBtnFaceColor),
      valueProperty<Form, bool>(
          "TransparentColor", booleanCodec(), [](const Form& f) { return f.options().backgroundSeeThrough; },
          &Form::setBackgroundSeeThrough, false),
      fontProperty<Form>(
          "Font", [](const Form& f) -> const Font& { return f.font(); }, &Form::setFont,
          [](const Form&) { return Font{}; }),
      valueProperty<Form, int>(
          "FormStyle", enumerationCodec({"fsNormal", "fsStayOnTop"}),
          [](const Form& f) { return f.options().stayOnTop ? 1 : 0; },
          [](Form& f, int v) { f.setStayOnTop(v == 1); }, 0),
      valueProperty<Form, std::string>(
          "Icon", textCodec(), [](const Form& f) { return f.options().iconResource; },
          [](Form& f, const std::string& v) { f.setIconResource(v); }, ""),
      eventProperty("OnKeyDown", &Form::onKeyDown),
      eventProperty("OnShow", &Form::onShow),
  };
}

void addPanel(ClassRegistry& classes) {
  ClassInfo& info = classes.add<Panel, ControlHost>("TPanel");
  info.make = makeOwned<Panel>;
  info.parentClass = classes.find("TForm");
  info.setParent = [](Component& c, Component& parent) {
    static_cast<Panel&>(c).setParent(&static_cast<Form&>(parent));
  };
  info.parentOf = [](const Component& c) -> const Component* {
    return static_cast<const Panel&>(c).parent();
  };
  addBounds<Panel>(info);
  info.properties.push_back(
      valueProperty<Panel, Color>("Color", colorCodec(), &Panel::color, &Panel::setColor, kBtnFaceColor));
}

void addLogBox(ClassRegistry& classes) {
  ClassInfo& info = classes.add<LogBox>("TLogBox");
  info.make = makeOwned<LogBox>;
  info.parentClass = classes.find("TPanel");
  info.setParent = [](Component& c, Component& parent) {
    static_cast<LogBox&>(c).setParent(&static_cast<Panel&>(parent));
  };
  info.parentOf = [](const Component& c) -> const Component* {
    return static_cast<const LogBox&>(c).parent();
  };
  addBounds<LogBox>(info);
  info.properties.push_back(
      valueProperty<LogBox, Color>("Color", colorCodec(), &LogBox::color, &LogBox::setColor, kWindowColor));
}

void addTimer(ClassRegistry& classes) {
  ClassInfo& info = classes.add<Timer>("TTimer");
  info.make = makeOwned<Timer>;
  info.properties = {
      valueProperty<Timer, bool>("Enabled", booleanCodec(), &Timer::enabled, &Timer::setEnabled, true),
      valueProperty<Timer, unsigned>("Interval", unsignedCodec(), &Timer::interval, &Timer::setInterval,
                                     1000u),
      eventProperty("OnTimer", &Timer::onTimer),
  };
}

void addActions(ClassRegistry& classes) {
  classes.add<PopupMenu>("TPopupMenu").make = makeOwned<PopupMenu>;
  classes.add<ImageList>("TImageList").make = makeOwned<ImageList>;
  ClassInfo& list = classes.add<ActionList>("TActionList");
  list.make = makeOwned<ActionList>;
  list.properties = {
      referenceProperty<ActionList, ImageList>("Images", &ActionList::images, &ActionList::setImages)};
  ClassInfo& action = classes.add<Action>("TAction");
  action.make = makeOwned<Action>;
  action.properties = {
      valueProperty<Action, std::string>(
          "Caption", textCodec(), &Action::caption, [](Action& a, const std::string& v) { a.setCaption(v); },
          ""),
      valueProperty<Action, bool>("Enabled", booleanCodec(), &Action::enabled, &Action::setEnabled, true),
      valueProperty<Action, std::string>(
          "Hint", textCodec(), &Action::hint, [](Action& a, const std::string& v) { a.setHint(v); }, ""),
      valueProperty<Action, int>("ImageIndex", integerCodec(-1, std::numeric_limits<int>::max()),
                                 &Action::imageIndex, &Action::setImageIndex, -1),
      valueProperty<Action, bool>("Visible", booleanCodec(), &Action::visible, &Action::setVisible, true),
      referenceProperty<Action, ActionList>("ActionList", &Action::actionList, &Action::setActionList),
      eventProperty("OnChange", &Action::onChange),
      eventProperty("OnExecute", &Action::onExecute),
  };
}

}  // namespace

namespace published {

std::shared_ptr<const Property> action() {
  return referenceProperty<GraphicControl, Action>("Action", &GraphicControl::action,
                                                   &GraphicControl::setAction);
}

std::shared_ptr<const Property> cursor() {
  return valueProperty<GraphicControl, Cursor>("Cursor", enumCodec<Cursor>({"crDefault", "crHandPoint"}),
                                               &GraphicControl::cursor, &GraphicControl::setCursor,
                                               Cursor::kDefault);
}

std::shared_ptr<const Property> caption() {
  return valueProperty<GraphicControl, std::string>(
      "Caption", textCodec(), &GraphicControl::caption,
      [](GraphicControl& c, const std::string& v) { c.setCaption(v); }, "");
}

std::shared_ptr<const Property> color() {
  return valueProperty<GraphicControl, Color>("Color", colorCodec(), &GraphicControl::color,
                                              &GraphicControl::readOwnColor, kWindowColor,
                                              [](const GraphicControl& c) { return !c.parentColor(); });
}

std::shared_ptr<const Property> enabled() {
  return valueProperty<GraphicControl, bool>("Enabled", booleanCodec(), &GraphicControl::enabled,
                                             &GraphicControl::setEnabled, true);
}

std::shared_ptr<const Property> hint() {
  return valueProperty<GraphicControl, std::string>(
      "Hint", textCodec(), &GraphicControl::hint,
      [](GraphicControl& c, const std::string& v) { c.setHint(v); }, "");
}

std::shared_ptr<const Property> font() {
  return fontProperty<GraphicControl>(
      "Font", &GraphicControl::ownFont, &GraphicControl::readOwnFont,
      [](const GraphicControl&) { return Font{}; }, [](const GraphicControl& c) { return !c.parentFont(); });
}

std::shared_ptr<const Property> parentColor() {
  return valueProperty<GraphicControl, bool>("ParentColor", booleanCodec(), &GraphicControl::parentColor,
                                             &GraphicControl::setParentColor, true);
}

std::shared_ptr<const Property> parentFont() {
  return valueProperty<GraphicControl, bool>("ParentFont", booleanCodec(), &GraphicControl::parentFont,
                                             &GraphicControl::setParentFont, true);
}

std::shared_ptr<const Property> parentShowHint() {
  return valueProperty<GraphicControl, bool>("ParentShowHint", booleanCodec(),
                                             &GraphicControl::parentShowHint,
                                             &GraphicControl::setParentShowHint, true);
}

std::shared_ptr<const Property> popupMenu() {
  return referenceProperty<GraphicControl, PopupMenu>("PopupMenu", &GraphicControl::popupMenu,
                                                      &GraphicControl::setPopupMenu);
}

std::shared_ptr<const Property> showHint() {
  return valueProperty<GraphicControl, bool>("ShowHint", booleanCodec(), &GraphicControl::showHint,
                                             &GraphicControl::setShowHint, false,
                                             [](const GraphicControl& c) { return !c.parentShowHint(); });
}

std::shared_ptr<const Property> visible() {
  return valueProperty<GraphicControl, bool>("Visible", booleanCodec(), &GraphicControl::visible,
                                             &GraphicControl::setVisible, true);
}

std::shared_ptr<const Property> onClick() {
  return eventProperty("OnClick", &GraphicControl::onClick);
}
std::shared_ptr<const Property> onMouseDown() {
  return eventProperty("OnMouseDown", &GraphicControl::onMouseDown);
}
std::shared_ptr<const Property> onMouseMove() {
  return eventProperty("OnMouseMove", &GraphicControl::onMouseMove);
}
std::shared_ptr<const Property> onMouseUp() {
  return eventProperty("OnMouseUp", &GraphicControl::onMouseUp);
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
  addPanel(classes);
  addLogBox(classes);
  addTimer(classes);
  addActions(classes);
}

}  // namespace platform
