// Start-up of the updater: the application object, the main window, the event loop.
#include <exception>

#include "app/build_constants.h"
#include "app/unit1.h"
#include "toolkit/application.h"
#include "toolkit/guarded.h"
#include "toolkit/thread.h"
#include "updater/install_record.h"
#include "updater/payload_writer.h"

int main() {
  namespace application = toolkit::application;
  application::restrictDllSearch();
  application::setTitle(app::kApplicationTitle);
  int exitCode = 1;
  try {
    const updater::InstallRecord record(app::kRecordKeyNumber);
    app::TForm1 form1(record);
    form1.form().show();
    exitCode = application::run();
  } catch (const std::exception& e) {
    toolkit::reportFailure(e.what());
  }
  // An installation whose confirmation never came (the version could not be recorded) still
  // leaves the folder with the new target alone.
  updater::removeReplacedTargets();
  return toolkit::exitCodeAfterWorkers(exitCode);
}
