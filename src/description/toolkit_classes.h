#pragma once
#include <memory>

#include "description/class_registry.h"
#include "description/property.h"
#include "toolkit/graphic_control.h"

namespace description {

// Registers the toolkit's classes for window descriptions: TForm (only ever a root: a window
// class derives from it), TPanel on a form, TLogBox on a panel, and those without a parent:
// TTimer, TPopupMenu, TAction, TActionList and TImageList. A menu's items and a list's images
// are not part of a description: code adds them.
void addToolkitClasses(ClassRegistry& classes);

// What every graphic control publishes of its base, one property each, built once here for the
// toolkit's classes and for controls that build on them. `fresh` is a control of the class as its
// constructor leaves it: each default is what it reads, so that the control alone says what it
// starts with.
namespace published {

std::shared_ptr<const Property> action();
std::shared_ptr<const Property> cursor(const toolkit::GraphicControl& fresh);
std::shared_ptr<const Property> caption(const toolkit::GraphicControl& fresh);
// Stored only while ParentColor is off. Read into the control's own colour.
std::shared_ptr<const Property> color(const toolkit::GraphicControl& fresh);
std::shared_ptr<const Property> enabled(const toolkit::GraphicControl& fresh);
std::shared_ptr<const Property> hint(const toolkit::GraphicControl& fresh);
// The toolkit's default font; stored only while ParentFont is off. Read into the own font.
std::shared_ptr<const Property> font();
std::shared_ptr<const Property> parentColor(const toolkit::GraphicControl& fresh);
std::shared_ptr<const Property> parentFont(const toolkit::GraphicControl& fresh);
std::shared_ptr<const Property> parentShowHint(const toolkit::GraphicControl& fresh);
std::shared_ptr<const Property> popupMenu();
// Stored only while ParentShowHint is off.
std::shared_ptr<const Property> showHint(const toolkit::GraphicControl& fresh);
std::shared_ptr<const Property> visible(const toolkit::GraphicControl& fresh);
std::shared_ptr<const Property> onClick();
std::shared_ptr<const Property> onMouseDown();
std::shared_ptr<const Property> onMouseMove();
std::shared_ptr<const Property> onMouseUp();

// Makes a graphic control class sit on panels (the toolkit's one control host), which must be
// registered already.
void placeOnPanels(ClassInfo& info, const ClassRegistry& classes);

}  // namespace published

}  // namespace description
