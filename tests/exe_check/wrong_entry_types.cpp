// Lookups of system entry points that must not build for i686, each getting a type wrong the
// way a later edit could; ENTRY_CASE chooses one. Case 0 gets them right and must build, so that
// each other case fails for its own fault alone. Case 5 must build too: the types the program
// declares for entries its Windows version leaves out are those of the header's declarations
// under a newer one.
#if ENTRY_CASE == 5
#undef _WIN32_WINNT
#undef WINVER
#define _WIN32_WINNT 0x0A00
#define WINVER 0x0A00
#endif

#include <type_traits>

#include "platform/win32/system_entry.h"
#include "toolkit/win32/dpi_entries.h"

namespace {

[[maybe_unused]] HMODULE user32() {
  return GetModuleHandleA("user32.dll");
}
[[maybe_unused]] HMODULE kernel32() {
  return GetModuleHandleA("kernel32.dll");
}

#if ENTRY_CASE == 0
[[maybe_unused]] UINT density(HWND window) {
  using toolkit::win32::GetDpiForWindowFn;
  return platform::win32::systemEntry<GetDpiForWindowFn>(user32(), "GetDpiForWindow")(window);
}
[[maybe_unused]] BOOL restrictSearch() {
  return SYSTEM_ENTRY(kernel32(), SetDefaultDllDirectories)(LOAD_LIBRARY_SEARCH_SYSTEM32);
}
#elif ENTRY_CASE == 1
// A declared type without WINAPI: the caller's convention, not the system's.
using GetDpiForWindowFn = UINT (*)(HWND);
[[maybe_unused]] UINT density(HWND window) {
  return platform::win32::systemEntry<GetDpiForWindowFn>(user32(), "GetDpiForWindow")(window);
}
#elif ENTRY_CASE == 2
// The header's function kept in a pointer without WINAPI.
[[maybe_unused]] BOOL restrictSearch() {
  BOOL (*const setDefault)(DWORD) = SYSTEM_ENTRY(kernel32(), SetDefaultDllDirectories);
  return setDefault(LOAD_LIBRARY_SEARCH_SYSTEM32);
}
#elif ENTRY_CASE == 3
// The header's function kept in a pointer of another signature.
[[maybe_unused]] BOOL restrictSearch() {
  BOOL(WINAPI* const setDefault)(UINT, DWORD) = SYSTEM_ENTRY(kernel32(), SetDefaultDllDirectories);
  return setDefault(0, LOAD_LIBRARY_SEARCH_SYSTEM32);
}
#elif ENTRY_CASE == 4
// Called with arguments that its declaration does not take.
[[maybe_unused]] BOOL restrictSearch() {
  return SYSTEM_ENTRY(kernel32(), SetDefaultDllDirectories)(LOAD_LIBRARY_SEARCH_SYSTEM32, nullptr);
}
#elif ENTRY_CASE == 5
static_assert(std::is_same_v<toolkit::win32::GetDpiForWindowFn, decltype(&::GetDpiForWindow)>);
static_assert(
    std::is_same_v<toolkit::win32::AdjustWindowRectExForDpiFn, decltype(&::AdjustWindowRectExForDpi)>);
#endif

}  // namespace
