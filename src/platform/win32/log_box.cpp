#include "platform/log_box.h"

#include <windows.h>

#include <stdexcept>

#include "platform/win32/toolkit.h"

namespace platform {

struct LogBox::Impl {
  Panel* parent = nullptr;
  win32::UniqueFont font;
  WNDPROC editProc = nullptr;
  win32::UniqueWindow window;  // after the font: the edit control uses it until it is gone
};

namespace {

// Sits in front of the system's edit control to learn when the control is destroyed with its
// window (the close box), so that the box does not destroy the handle a second time. Nothing
// here can throw.
LRESULT CALLBACK logBoxProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* impl = win32::windowData<LogBox::Impl>(hwnd);
  const WNDPROC editProc = impl->editProc;
  if (msg == WM_NCDESTROY) {
    SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(editProc));
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
    if (impl->window.release()) win32::forgetChild(*impl->parent, hwnd);
  }
  return CallWindowProcA(editProc, hwnd, msg, wParam, lParam);
}

}  // namespace

LogBox::LogBox(Panel& parent, const Rect& bounds, Color color, const Font& font)
    : impl_(std::make_unique<Impl>()) {
  impl_->parent = &parent;
  // No ES_AUTOHSCROLL: long lines wrap. No scroll bars.
  const DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL;
  const HWND hwnd =
      CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "", style, bounds.left, bounds.top, bounds.width(),
                      bounds.height(), win32::windowOf(parent), nullptr, win32::instance(), nullptr);
  if (!hwnd) throw std::runtime_error("Cannot create the log box");
  impl_->window.reset(hwnd);
  SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(impl_.get()));
  impl_->editProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&logBoxProc)));
  impl_->font = win32::createFont(font);
  SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(impl_->font.get()), FALSE);
  SendMessageA(hwnd, EM_SETLIMITTEXT, 0, 0);
  win32::setChildColor(parent, hwnd, color);
  win32::setFocusTarget(parent.form(), hwnd);
}

LogBox::~LogBox() {
  if (impl_->window) win32::forgetChild(*impl_->parent, impl_->window.get());
  win32::setFocusTarget(impl_->parent->form(), nullptr);
  impl_->window.reset();
}

void LogBox::appendLine(std::string_view line) {
  const HWND hwnd = impl_->window.get();
  if (!hwnd) return;  // gone with its window: there is nowhere left to show the line
  const std::string text = std::string(line) + "\r\n";
  const int end = GetWindowTextLengthA(hwnd);
  SendMessageA(hwnd, EM_SETSEL, static_cast<WPARAM>(end), static_cast<LPARAM>(end));
  SendMessageA(hwnd, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
}

std::string LogBox::text() const {
  const HWND hwnd = impl_->window.get();
  return hwnd ? win32::windowText(hwnd) : std::string();
}

std::vector<std::string> LogBox::lines() const {
  return splitLines(text());
}

void LogBox::focus() {
  if (const HWND hwnd = impl_->window.get()) SetFocus(hwnd);
}

}  // namespace platform
