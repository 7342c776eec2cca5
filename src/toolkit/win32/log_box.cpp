#include "toolkit/log_box.h"

#include <windows.h>

#include <stdexcept>

#include "toolkit/win32/toolkit.h"

namespace toolkit {

struct LogBox::Impl {
  graphics::win32::UniqueFont font;
  // The background the edit control paints on, which its panel asks the box for.
  COLORREF background = 0;
  win32::UniqueBrush backgroundBrush;
  WNDPROC editProc = nullptr;
  win32::UniqueWindow window;  // after the font and the brush: the edit control uses them until it is gone

  void setBackground(graphics::Color color) {
    background = graphics::win32::toColorRef(color);
    backgroundBrush.reset(CreateSolidBrush(background));
  }
};

namespace {

// Sits in front of the system's edit control to answer its panel's question for its colours,
// and to learn when the control is destroyed with its window (the close box), so that the box
// does not destroy the handle a second time. Installed after the window's creation, so the
// guarded procedure's WM_NCCREATE step never runs for it.
LRESULT logBoxMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* impl = win32::windowData<LogBox::Impl>(hwnd);
  const WNDPROC editProc = impl->editProc;
  if (msg == win32::kChildColorMessage) {
    SetBkColor(reinterpret_cast<HDC>(wParam), impl->background);
    return reinterpret_cast<LRESULT>(impl->backgroundBrush.get());
  }
  if (msg == WM_NCDESTROY) {
    SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(editProc));
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
    impl->window.release();
  }
  return CallWindowProcA(editProc, hwnd, msg, wParam, lParam);
}

}  // namespace

LogBox::LogBox(Component* owner)
    : ChildWindow(owner, kDefaultColor, kKind, kParentKind), impl_(std::make_unique<Impl>()) {}

LogBox::~LogBox() {
  impl_->window.reset();
}

void LogBox::placeWindow(Panel*) {
  const HWND panelWindow = win32::windowOf(*parent_);
  if (!panelWindow) throwNoParentWindow();
  if (const HWND hwnd = impl_->window.get()) {
    SetParent(hwnd, panelWindow);
    return;
  }
  impl_->setBackground(color_);
  // No ES_AUTOHSCROLL: long lines wrap. No scroll bars.
  const DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL;
  const HWND made =
      CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "", style, bounds().left, bounds().top, bounds().width(),
                      bounds().height(), panelWindow, nullptr, win32::instance(), nullptr);
  if (!made) throw std::runtime_error("Cannot create the log box");
  impl_->window.reset(made);
  SetWindowLongPtrA(made, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(impl_.get()));
  impl_->editProc = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(
      made, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&win32::guardedWindowProc<logBoxMessage>)));
  SendMessageA(made, EM_SETLIMITTEXT, 0, 0);  // the font follows once it is placed
}

void LogBox::densityChanged() {
  const HWND hwnd = impl_->window.get();
  if (!hwnd) return;
  graphics::win32::UniqueFont font = graphics::win32::createFont(shownFont());
  // The box lets go of the old font before it is deleted.
  SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
  impl_->font = std::move(font);
}

void LogBox::moveWindow() {
  if (const HWND hwnd = impl_->window.get()) {
    MoveWindow(hwnd, bounds().left, bounds().top, bounds().width(), bounds().height(), TRUE);
  }
}

void LogBox::colorWindow() {
  if (const HWND hwnd = impl_->window.get()) {
    impl_->setBackground(color_);
    InvalidateRect(hwnd, nullptr, TRUE);
  }
}

void LogBox::appendToWindow(std::string_view line) {
  const HWND hwnd = impl_->window.get();
  if (!hwnd) return;  // gone with its window: there is nowhere left to show the line
  const std::string text = std::string(line) + "\r\n";
  const int end = GetWindowTextLengthA(hwnd);
  SendMessageA(hwnd, EM_SETSEL, static_cast<WPARAM>(end), static_cast<LPARAM>(end));
  SendMessageA(hwnd, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
}

std::string LogBox::windowText() const {
  const HWND hwnd = impl_->window.get();
  return hwnd ? win32::windowText(hwnd) : std::string();
}

void LogBox::focusWindow() {
  if (const HWND hwnd = impl_->window.get()) SetFocus(hwnd);
}

}  // namespace toolkit
