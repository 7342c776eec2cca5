#include "toolkit/win32/toolkit.h"

#include <map>
#include <string>

#include "platform/win32/system_entry.h"
#include "toolkit/screen_density.h"
#include "toolkit/win32/dpi_entries.h"

namespace toolkit::win32 {

HINSTANCE instance() {
  return GetModuleHandleA(nullptr);
}

const char* registerClass(const char* name, WNDPROC proc, UINT style, HICON icon) {
  static std::map<std::string, bool> registered;
  if (!registered[name]) {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.style = style;
    wc.lpfnWndProc = proc;
    wc.hInstance = instance();
    wc.hIcon = icon;
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.lpszClassName = name;
    RegisterClassExA(&wc);
    registered[name] = true;
  }
  return name;
}

namespace {

// Entries of user32 that Windows before 10 (1607) lacks.
template <class Fn>
Fn user32Entry(const char* name) {
  return platform::win32::systemEntry<Fn>(GetModuleHandleA("user32.dll"), name);
}

}  // namespace

int windowDensity(HWND hwnd) {
  static const auto getDpiForWindow = user32Entry<GetDpiForWindowFn>("GetDpiForWindow");
  if (getDpiForWindow) {
    if (const UINT dpi = getDpiForWindow(hwnd)) return static_cast<int>(dpi);
  }
  const HDC dc = GetDC(hwnd);
  const int dpi = dc ? GetDeviceCaps(dc, LOGPIXELSY) : 0;
  if (dc) ReleaseDC(hwnd, dc);
  return dpi > 0 ? dpi : kDesignDensity;
}

void adjustWindowRectForDensity(RECT& r, DWORD style, DWORD exStyle, int dpi) {
  static const auto adjustForDpi = user32Entry<AdjustWindowRectExForDpiFn>("AdjustWindowRectExForDpi");
  const RECT client = r;
  if (adjustForDpi && adjustForDpi(&r, style, FALSE, exStyle, static_cast<UINT>(dpi))) return;
  r = client;
  AdjustWindowRectEx(&r, style, FALSE, exStyle);
}

std::string windowText(HWND hwnd) {
  std::string text(static_cast<std::size_t>(GetWindowTextLengthA(hwnd)) + 1, '\0');
  text.resize(static_cast<std::size_t>(GetWindowTextA(hwnd, text.data(), static_cast<int>(text.size()))));
  return text;
}

void showModalBox(const char* text, const char* title, UINT icon) noexcept {
  const HWND active = GetActiveWindow();
  // No owner: the box is centred on the screen. Task-modal and topmost, so that it blocks the
  // window and is not hidden behind it, although the window stays on top.
  MessageBoxA(nullptr, text, title, MB_OK | icon | MB_TASKMODAL | MB_TOPMOST | MB_SETFOREGROUND);
  // Without an owner nothing hands the activation back; the user goes on where they were.
  if (active && IsWindow(active)) SetActiveWindow(active);
}

unsigned shiftState() {
  unsigned s = 0;
  if (GetKeyState(VK_SHIFT) < 0) s |= kShiftKey;
  if (GetKeyState(VK_CONTROL) < 0) s |= kCtrlKey;
  if (GetKeyState(VK_MENU) < 0) s |= kAltKey;
  return s;
}

unsigned shiftStateFromMouse(WPARAM wParam) {
  unsigned s = 0;
  if (wParam & MK_SHIFT) s |= kShiftKey;
  if (wParam & MK_CONTROL) s |= kCtrlKey;
  if (GetKeyState(VK_MENU) < 0) s |= kAltKey;
  if (wParam & MK_LBUTTON) s |= kLeftButton;
  if (wParam & MK_RBUTTON) s |= kRightButton;
  if (wParam & MK_MBUTTON) s |= kMiddleButton;
  return s;
}

}  // namespace toolkit::win32
