#pragma once
#include <string>

#include "description/class_registry.h"
#include "toolkit/component.h"

namespace description {

// The description of `root`: it and the components it owns. Throws std::runtime_error for what
// cannot be stored (a component of an unknown class or without a name, a reference outside, a
// name the reader would not take back: not a letter or '_' followed by letters, digits and '_',
// or differing from another only in letter case); nothing is written then.
std::string storeDescription(const toolkit::Component& root, const ClassRegistry& classes);

}  // namespace description
