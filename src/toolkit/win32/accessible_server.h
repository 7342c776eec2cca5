#pragma once
#include <windows.h>

#include "toolkit/accessibility.h"
#include "toolkit/control_host.h"

namespace toolkit::win32 {

// Finds the host of a window again; none once the host has gone.
using HostOfWindow = ControlHost* (*)(HWND);

// The answer to WM_GETOBJECT on a window that hosts graphic controls: for the client object, an
// IAccessible server whose children are the host's controls, then the window's child windows
// as the system describes them; anything else as DefWindowProc answers it. The server finds its
// host through `hostOf` at every call, so one that a client keeps after the window has gone
// tells it that it is no longer connected.
LRESULT answerGetObject(HWND hwnd, WPARAM wParam, LPARAM lParam, HostOfWindow hostOf);

// Tells assistive technology that the window's client object (object 0) or one of its children
// (its child number) changed; nothing for a negative number.
void notifyAccessibleChange(HWND hwnd, int objectId, AccessibleChange change);

}  // namespace toolkit::win32
