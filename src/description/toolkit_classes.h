#pragma once
#include "description/class_registry.h"

namespace platform {

// Registers the toolkit's classes for window descriptions: TForm (only ever a root: a window
// class derives from it), TPanel on a form, TLogBox on a panel, and those without a parent:
// TTimer, TPopupMenu, TAction, TActionList and TImageList. A menu's items and a list's images
// are not part of a description: code adds them.
void addToolkitClasses(ClassRegistry& classes);

}  // namespace platform
