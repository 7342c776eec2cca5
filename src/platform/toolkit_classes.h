#pragma once
#include "platform/class_registry.h"

namespace platform {

// Registers the toolkit's classes for window descriptions: TForm (only ever a root: a window
// class derives from it), TPanel on a form, TLogBox on a panel, and TTimer, which has no parent.
void addToolkitClasses(ClassRegistry& classes);

}  // namespace platform
