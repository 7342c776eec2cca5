#include "toolkit/win32/ole_libraries.h"

#include <string>

#include "platform/win32/system_entry.h"

namespace toolkit::win32 {
namespace {

// Loaded for the rest of the process and never freed: a client may still hold objects whose code
// lives in these libraries after main has returned, while the program's statics go.
HMODULE loadSystemLibrary(const char* name) {
  char folder[MAX_PATH];
  const UINT length = GetSystemDirectoryA(folder, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return nullptr;
  const std::string path = std::string(folder, length) + "\\" + name;
  return LoadLibraryExA(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

struct Loaded {
  HMODULE ole32 = loadSystemLibrary("ole32.dll");
  HMODULE oleaut32 = loadSystemLibrary("oleaut32.dll");
  HMODULE oleacc = loadSystemLibrary("oleacc.dll");
  OleLibraries entries;
  bool complete = false;

  Loaded() {
    OleLibraries& e = entries;
    e.lresultFromObject = SYSTEM_ENTRY(oleacc, LresultFromObject);
    e.createStdAccessibleObject = SYSTEM_ENTRY(oleacc, CreateStdAccessibleObject);
    e.accessibleObjectFromWindow = SYSTEM_ENTRY(oleacc, AccessibleObjectFromWindow);
    e.sysAllocStringLen = SYSTEM_ENTRY(oleaut32, SysAllocStringLen);
    e.coInitializeEx = SYSTEM_ENTRY(ole32, CoInitializeEx);
    complete = e.lresultFromObject && e.createStdAccessibleObject && e.accessibleObjectFromWindow &&
               e.sysAllocStringLen && e.coInitializeEx;
  }
};

}  // namespace

const OleLibraries* oleLibraries() {
  static const Loaded loaded;
  return loaded.complete ? &loaded.entries : nullptr;
}

}  // namespace toolkit::win32
