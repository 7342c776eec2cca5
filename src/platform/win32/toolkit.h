#pragma once
#include <windows.h>

#include <string>
#include <string_view>

#include "platform/control_host.h"
#include "platform/font.h"
#include "platform/form.h"
#include "platform/guarded.h"
#include "platform/panel.h"
#include "platform/win32/handles.h"

// What the parts of the Windows toolkit share.
namespace platform::win32 {

HINSTANCE instance();

// The object given to CreateWindowEx, kept with the window.
template <class T>
T* windowData(HWND hwnd) {
  return reinterpret_cast<T*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
}

// The window procedure of the toolkit's classes: keeps the object given to CreateWindowEx with
// the window and hands every message to `Handler`. No exception may unwind through the system's
// code: one that leaves the handler is reported and the message counts as handled.
template <LRESULT (*Handler)(HWND, UINT, WPARAM, LPARAM)>
LRESULT CALLBACK guardedWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NCCREATE) {
    const auto* cs = reinterpret_cast<const CREATESTRUCTA*>(lParam);
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
  }
  LRESULT result = 0;
  runGuarded([&] { result = Handler(hwnd, msg, wParam, lParam); });
  return result;
}
// Registers a window class once; the class name is returned for CreateWindowEx.
const char* registerClass(const char* name, WNDPROC proc, UINT style, HICON icon);
UniqueFont createFont(const Font& font);
std::string windowText(HWND hwnd);
// The system's message box with one OK button and `icon`, modal for the whole program. Never
// throws: the error report shows its boxes through it.
void showModalBox(const char* text, const char* title, UINT icon) noexcept;
COLORREF toColorRef(Color c);
unsigned shiftState();
unsigned shiftStateFromMouse(WPARAM wParam);

// The form that a window belongs to, if it is one of the toolkit's.
Form* formOf(HWND anyWindowOfIt);
void setFocusTarget(Form& form, HWND window);
HWND windowOf(const Form& form);
HWND windowOf(const Panel& panel);
// The background colour a child control of the panel asks for when it paints.
void setChildColor(const Panel& panel, HWND child, Color color);
void forgetChild(const Panel& panel, HWND child);

}  // namespace platform::win32
