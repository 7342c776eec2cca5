#include "toolkit/win32/ole_libraries.h"

#include <memory>
#include <optional>
#include <string>
#include <type_traits>

namespace platform::win32 {
namespace {

struct ModuleDeleter {
  void operator()(HMODULE m) const { FreeLibrary(m); }
};
using UniqueModule = std::unique_ptr<std::remove_pointer_t<HMODULE>, ModuleDeleter>;

UniqueModule loadSystemLibrary(const char* name) {
  char folder[MAX_PATH];
  const UINT length = GetSystemDirectoryA(folder, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return nullptr;
  const std::string path = std::string(folder, length) + "\\" + name;
  return UniqueModule(LoadLibraryExA(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH));
}

template <class Fn>
bool resolve(const UniqueModule& module, const char* name, Fn& fn) {
  const FARPROC entry = module ? GetProcAddress(module.get(), name) : nullptr;
  fn = reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(entry));
  return fn != nullptr;
}

struct Loaded {
  UniqueModule ole32 = loadSystemLibrary("ole32.dll");
  UniqueModule oleaut32 = loadSystemLibrary("oleaut32.dll");
  UniqueModule oleacc = loadSystemLibrary("oleacc.dll");
  OleLibraries entries;
  bool complete = false;

  Loaded() {
    OleLibraries& e = entries;
    complete = resolve(oleacc, "LresultFromObject", e.lresultFromObject) &&
               resolve(oleacc, "CreateStdAccessibleObject", e.createStdAccessibleObject) &&
               resolve(oleacc, "AccessibleObjectFromWindow", e.accessibleObjectFromWindow) &&
               resolve(oleaut32, "SysAllocStringLen", e.sysAllocStringLen) &&
               resolve(ole32, "CoInitializeEx", e.coInitializeEx);
  }
};

}  // namespace

const OleLibraries* oleLibraries() {
  static const Loaded loaded;
  return loaded.complete ? &loaded.entries : nullptr;
}

}  // namespace platform::win32
