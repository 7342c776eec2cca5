// The speed button's showcase: one window with every face and colour style, a group, accelerators,
// a popup menu, an action with an image list, transparent and flat buttons, a glyph strip and
// hints. Escape or its Close button ends it.
#include <exception>

#include "showcase_window.h"
#include "toolkit/application.h"
#include "toolkit/guarded.h"
#include "toolkit/thread.h"

int main() {
  namespace application = toolkit::application;
  application::restrictDllSearch();
  application::setTitle("Showcase");
  int exitCode = 1;
  try {
    showcase::ShowcaseWindow window;
    window.show();
    exitCode = application::run();
  } catch (const std::exception& e) {
    toolkit::reportFailure(e.what());
  }
  return toolkit::exitCodeAfterWorkers(exitCode);
}
