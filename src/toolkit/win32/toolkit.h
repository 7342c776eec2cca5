#pragma once
#include <windows.h>

#include <string>
#include <string_view>

#include "graphics/font.h"
#include "graphics/win32/gdi_canvas.h"
#include "toolkit/control_host.h"
#include "toolkit/form.h"
#include "toolkit/guarded.h"
#include "toolkit/panel.h"
#include "toolkit/win32/handles.h"

// What the parts of the Windows toolkit share.
namespace toolkit::win32 {

HINSTANCE instance();

// The object given to CreateWindowEx, kept with the window.
template <class T>
T* windowData(HWND hwnd) {
  return reinterpret_cast<T*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
}

// The functions that the system calls. No exception may unwind through the system's code (the
// 32-bit build's tables cannot pass its frames, and the process would end), so each one is
// noexcept and runs its handler under the error report's guard: an exception that leaves the
// handler is reported, and the system gets the answer given for a failure.

// The window procedure of the toolkit's classes: keeps the object given to CreateWindowEx with
// the window and hands every message to `Handler`. A failed message counts as handled (0).
template <LRESULT (*Handler)(HWND, UINT, WPARAM, LPARAM)>
LRESULT CALLBACK guardedWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept {
  LRESULT result = 0;
  runGuarded([&] {
    if (msg == WM_NCCREATE) {
      const auto* cs = reinterpret_cast<const CREATESTRUCTA*>(lParam);
      SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
    }
    result = Handler(hwnd, msg, wParam, lParam);
  });
  return result;
}

// A timer procedure (SetTimer): `Handler` gets the timer's id.
template <void (*Handler)(UINT_PTR)>
void CALLBACK guardedTimerProc(HWND, UINT, UINT_PTR id, DWORD) noexcept {
  runGuarded([id] { Handler(id); });
}

// A callback of the window enumerations (EnumChildWindows, EnumThreadWindows): true goes on to
// the next window. A failure ends the enumeration.
template <bool (*Handler)(HWND, LPARAM)>
BOOL CALLBACK guardedEnumProc(HWND hwnd, LPARAM data) noexcept {
  bool goOn = false;
  runGuarded([&] { goOn = Handler(hwnd, data); });
  return goOn ? TRUE : FALSE;
}
// Registers a window class once; the class name is returned for CreateWindowEx.
const char* registerClass(const char* name, WNDPROC proc, UINT style, HICON icon);
// The pixel density of the monitor the window is on, where the system can tell; else the
// screen's.
int windowDensity(HWND hwnd);
// The outer rectangle of a window whose client area is `r`, with the frame drawn at `dpi`.
void adjustWindowRectForDensity(RECT& r, DWORD style, DWORD exStyle, int dpi);
std::string windowText(HWND hwnd);
// The system's message box with one OK button and `icon`, modal for the whole program. Never
// throws: the error report shows its boxes through it.
void showModalBox(const char* text, const char* title, UINT icon) noexcept;
unsigned shiftState();
unsigned shiftStateFromMouse(WPARAM wParam);

// The form that a window belongs to, if it is one of the toolkit's.
Form* formOf(HWND anyWindowOfIt);
inline HWND windowOf(const Form& form) {
  return static_cast<HWND>(form.window());
}
inline HWND windowOf(const Panel& panel) {
  return static_cast<HWND>(panel.window());
}

// The toolkit's own window messages, numbered here so that none is taken twice.
// Posted to a panel's window when work is posted to the panel.
inline constexpr UINT kRunPostedMessage = WM_APP + 1;
// Sent by a host window back to the child window that asks it for its colours
// (WM_CTLCOLOREDIT, WM_CTLCOLORSTATIC), with the same device context as wParam: a child of the
// toolkit sets the context's colours and answers with its background brush. The system's own
// controls answer 0, and keep the system's colours.
inline constexpr UINT kChildColorMessage = WM_APP + 2;
// Posted to the GUI thread's hidden window when calls are handed over to the thread.
inline constexpr UINT kRunHandedOffMessage = WM_APP + 0x54;

}  // namespace toolkit::win32
