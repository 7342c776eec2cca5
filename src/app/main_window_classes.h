// Inline helpers only: the classes the main window's description speaks of, for the window
// itself and for what reads its description without the updater behind the handlers.
#pragma once
#include <string_view>

#include "description/class_registry.h"
#include "description/toolkit_classes.h"
#include "widgets/lb_speed_button_properties.h"

namespace app {

// The toolkit's classes, the speed button, and `Form1` as "TForm1", derived from TForm.
template <class Form1>
description::ClassRegistry mainWindowClasses() {
  description::ClassRegistry r;
  description::addToolkitClasses(r);
  widgets::addSpeedButtonClass(r);
  r.derive<Form1>("TForm1", "TForm");
  return r;
}

}  // namespace app
