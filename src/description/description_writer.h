#pragma once
#include <string>

#include "description/class_registry.h"
#include "toolkit/component.h"

namespace platform {

// The description of `root`: it and the components it owns. Throws std::runtime_error for what
// cannot be stored (a component of an unknown class or without a name, a reference outside).
std::string storeDescription(const Component& root, const ClassRegistry& classes);

}  // namespace platform
