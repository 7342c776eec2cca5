// Types only: the entries of user32 for screen density that Windows before 10 (1607) lacks.
//
// winuser.h declares them only from WINVER 0x0605 on, above this build's, so their types are
// written out here, with WINAPI, which systemEntry checks. A build-time check compares them with
// the header's declarations under a newer WINVER.
#pragma once
#include <windows.h>

namespace toolkit::win32 {

using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
using AdjustWindowRectExForDpiFn = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);

}  // namespace toolkit::win32
