// Loads the accessibility libraries as a window's first client request does, and reports from
// the very end of the process, after every static object has gone, whether they are still
// loaded: a client may hold objects whose code lives in them until then.
#include <windows.h>

#include <cstdlib>

#include "toolkit/win32/ole_libraries.h"

int main() {
  // Registered before the libraries are loaded, so it runs after what loading them left to run
  // at exit. Its exit code is the process's.
  std::atexit([] { std::_Exit(GetModuleHandleA("oleacc.dll") ? 0 : 3); });
  if (!toolkit::win32::oleLibraries()) return 2;
  return 1;
}
