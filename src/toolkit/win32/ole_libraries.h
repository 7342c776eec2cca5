#pragma once
#include <oleacc.h>
#include <windows.h>

namespace toolkit::win32 {

// The entry points of the system's accessibility libraries. They are loaded, by full path from
// the system folder, only when a client first asks a window for its accessible object: the
// program imports them not, so nothing can plant a copy beside it, and a run without a screen
// reader never loads them.
struct OleLibraries {
  decltype(&::LresultFromObject) lresultFromObject = nullptr;
  decltype(&::CreateStdAccessibleObject) createStdAccessibleObject = nullptr;
  decltype(&::AccessibleObjectFromWindow) accessibleObjectFromWindow = nullptr;
  decltype(&::SysAllocStringLen) sysAllocStringLen = nullptr;
  decltype(&::CoInitializeEx) coInitializeEx = nullptr;
};

// Loaded once and kept until the process ends; none when a library or an entry point is missing.
const OleLibraries* oleLibraries();

}  // namespace toolkit::win32
