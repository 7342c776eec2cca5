#pragma once
#include <memory>

#include "description/class_registry.h"
#include "description/property.h"
#include "platform/geometry.h"

// Published properties that several classes share, each built once here: position and size for
// anything with bounds, and what every graphic control publishes of its base.
namespace platform {
class GraphicControl;
}

namespace platform::published {

inline constexpr int kMinPosition = -32768;
inline constexpr int kMaxPosition = 32767;

template <class C>
std::shared_ptr<const Property> left(int def = 0) {
  return valueProperty<C, int, [](const C& c) { return c.bounds().left; },
                       [](C& c, int v) {
                         const Rect r = c.bounds();
                         c.setBounds({v, r.top, v + r.width(), r.bottom});
                       }>("Left", integerCodec(kMinPosition, kMaxPosition), def);
}

template <class C>
std::shared_ptr<const Property> top(int def = 0) {
  return valueProperty<C, int, [](const C& c) { return c.bounds().top; },
                       [](C& c, int v) {
                         const Rect r = c.bounds();
                         c.setBounds({r.left, v, r.right, v + r.height()});
                       }>("Top", integerCodec(kMinPosition, kMaxPosition), def);
}

// `max`: the largest side a description may give; a class whose drawing cannot take more says so.
template <class C>
std::shared_ptr<const Property> width(int def = 0, int max = kMaxPosition) {
  return valueProperty<C, int, [](const C& c) { return c.bounds().width(); },
                       [](C& c, int v) {
                         const Rect r = c.bounds();
                         c.setBounds({r.left, r.top, r.left + v, r.bottom});
                       }>("Width", integerCodec(0, max), def);
}

template <class C>
std::shared_ptr<const Property> height(int def = 0, int max = kMaxPosition) {
  return valueProperty<C, int, [](const C& c) { return c.bounds().height(); },
                       [](C& c, int v) {
                         const Rect r = c.bounds();
                         c.setBounds({r.left, r.top, r.right, r.top + v});
                       }>("Height", integerCodec(0, max), def);
}

// What a graphic control publishes of its base, one property each. `fresh` is a control of the
// class as its constructor leaves it: each default is what it reads, so that the control alone
// says what it starts with.
std::shared_ptr<const Property> action();
std::shared_ptr<const Property> cursor(const GraphicControl& fresh);
std::shared_ptr<const Property> caption(const GraphicControl& fresh);
// Stored only while ParentColor is off. Read into the control's own colour.
std::shared_ptr<const Property> color(const GraphicControl& fresh);
std::shared_ptr<const Property> enabled(const GraphicControl& fresh);
std::shared_ptr<const Property> hint(const GraphicControl& fresh);
// The toolkit's default font; stored only while ParentFont is off. Read into the own font.
std::shared_ptr<const Property> font();
std::shared_ptr<const Property> parentColor(const GraphicControl& fresh);
std::shared_ptr<const Property> parentFont(const GraphicControl& fresh);
std::shared_ptr<const Property> parentShowHint(const GraphicControl& fresh);
std::shared_ptr<const Property> popupMenu();
// Stored only while ParentShowHint is off.
std::shared_ptr<const Property> showHint(const GraphicControl& fresh);
std::shared_ptr<const Property> visible(const GraphicControl& fresh);
std::shared_ptr<const Property> onClick();
std::shared_ptr<const Property> onMouseDown();
std::shared_ptr<const Property> onMouseMove();
std::shared_ptr<const Property> onMouseUp();

// Makes a graphic control class sit on panels (the toolkit's one control host), which must be
// registered already.
void placeOnPanels(ClassInfo& info, const ClassRegistry& classes);

}  // namespace platform::published
