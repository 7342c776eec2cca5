// Inline helpers only: the bounds properties that several classes publish alike.
#pragma once
#include <memory>

#include "description/property.h"
#include "graphics/geometry.h"

// Position and size, published alike by anything with bounds; what every graphic control
// publishes of its base is in toolkit_classes.h.
namespace description::published {

inline constexpr int kMinPosition = -32768;
inline constexpr int kMaxPosition = 32767;

template <class C>
std::shared_ptr<const Property> left(int def = 0) {
  return valueProperty<C, int, [](const C& c) { return c.designBounds().left; },
                       [](C& c, int v) {
                         const graphics::Rect r = c.designBounds();
                         c.setDesignBounds({v, r.top, v + r.width(), r.bottom});
                       }>("Left", integerCodec(kMinPosition, kMaxPosition), def);
}

template <class C>
std::shared_ptr<const Property> top(int def = 0) {
  return valueProperty<C, int, [](const C& c) { return c.designBounds().top; },
                       [](C& c, int v) {
                         const graphics::Rect r = c.designBounds();
                         c.setDesignBounds({r.left, v, r.right, v + r.height()});
                       }>("Top", integerCodec(kMinPosition, kMaxPosition), def);
}

// `max`: the largest side a description may give; a class whose drawing cannot take more says so.
template <class C>
std::shared_ptr<const Property> width(int def = 0, int max = kMaxPosition) {
  return valueProperty<C, int, [](const C& c) { return c.designBounds().width(); },
                       [](C& c, int v) {
                         const graphics::Rect r = c.designBounds();
                         c.setDesignBounds({r.left, r.top, r.left + v, r.bottom});
                       }>("Width", integerCodec(0, max), def);
}

template <class C>
std::shared_ptr<const Property> height(int def = 0, int max = kMaxPosition) {
  return valueProperty<C, int, [](const C& c) { return c.designBounds().height(); },
                       [](C& c, int v) {
                         const graphics::Rect r = c.designBounds();
                         c.setDesignBounds({r.left, r.top, r.right, r.top + v});
                       }>("Height", integerCodec(0, max), def);
}

}  // namespace description::published
