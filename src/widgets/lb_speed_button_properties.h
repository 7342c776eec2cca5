#pragma once
#include "description/class_registry.h"

namespace widgets {

// Registers TLbSpeedButton for window descriptions, placed on panels (register the toolkit's
// classes first).
void addSpeedButtonClass(description::ClassRegistry& classes);

}  // namespace widgets
