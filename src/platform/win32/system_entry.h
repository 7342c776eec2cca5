// Inline helpers only: entry points of system libraries looked up at run time, typed by the compiler.
//
// A function that older Windows lacks, or that lives in a library the exe must not import, is
// looked up by name. The pointer's type must then be exactly the system's: a missing WINAPI
// builds silently and corrupts the stack on i686, where the system's functions clean up their own
// arguments. So the type comes from the header's own declaration where the header has one
// (SYSTEM_ENTRY), and a type declared here for a function the header leaves out under this
// build's Windows version must carry WINAPI, which the build checks (systemEntry). The pointer is
// copied bit for bit from GetProcAddress's result: no cast between function types, which would
// silence the compiler's check of them.
#pragma once
#include <windows.h>

#include <bit>
#include <type_traits>

namespace platform::win32 {

// Whether a function pointer type uses the system's calling convention. On x64 there is only one,
// and WINAPI is empty, so every function pointer passes there; i686 tells __stdcall from __cdecl.
template <class Fn>
struct UsesWinapi : std::false_type {};
template <class R, class... Args>
struct UsesWinapi<R(WINAPI*)(Args...)> : std::true_type {};

// The entry `name` of `module` as a `Fn`, or null when the module or the entry is missing.
template <class Fn>
Fn systemEntry(HMODULE module, const char* name) {
  static_assert(UsesWinapi<Fn>::value, "an entry point of the system must be declared WINAPI");
  const FARPROC entry = module ? GetProcAddress(module, name) : nullptr;
  static_assert(sizeof(Fn) == sizeof(entry));
  return std::bit_cast<Fn>(entry);
}

}  // namespace platform::win32

// The entry `function` of `module`, typed after the system header's declaration of `function`,
// so that its name and its type cannot disagree.
#define SYSTEM_ENTRY(module, function) \
  (::platform::win32::systemEntry<decltype(&::function)>((module), #function))
