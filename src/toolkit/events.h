// Value types only: the event handler types that components raise.
#pragma once
#include <functional>

#include "graphics/geometry.h"
#include "toolkit/input.h"

namespace toolkit {

class Component;

// Event handlers bound to an object, called with the sender first.
using NotifyEvent = std::function<void(Component& sender)>;
using KeyEvent = std::function<void(Component& sender, int key, unsigned shift)>;
using MouseEvent =
    std::function<void(Component& sender, MouseButton button, unsigned shift, graphics::Point at)>;
using MouseMoveEvent = std::function<void(Component& sender, unsigned shift, graphics::Point at)>;

}  // namespace toolkit
