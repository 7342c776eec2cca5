#pragma once
#include <windows.h>

#include "toolkit/accessibility.h"
#include "toolkit/control_host.h"

namespace platform::win32 {

// Finds the host of a window again; none once the host has gone.
using HostOfWindow = ControlHost* (*)(HWND);

// The answer to WM_GETOBJECT on a window that hosts graphic controls: for the client object, an
// IAccessible server whose children are the host's controls, then the window's child windows
// as the system describes them; anything else as DefWindowProc answers it. The server finds its
// host through `hostOf` at every call, so one that a client keeps after the window has gone
// tells it that it is no longer connected.
LRESULT answerGetObject(HWND hwnd, WPARAM wParam, LPARAM lParam, HostOfWindow hostOf);

// Tells assistive technology that a child of the window's client object changed.
void notifyAccessibleChange(HWND hwnd, int childId, AccessibleChange change);

}  // namespace platform::win32
