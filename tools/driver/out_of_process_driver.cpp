#include "out_of_process_driver.h"

#include <cstdlib>
#include <vector>

#include "screen_grab.h"

namespace driver {

std::string className(HWND hwnd) {
  char name[128] = {};
  GetClassNameA(hwnd, name, sizeof name);
  return name;
}

namespace {

struct Search {
  DWORD processId;
  const char* className;
  HWND found = nullptr;
};

BOOL CALLBACK matchTopLevel(HWND hwnd, LPARAM param) {
  auto* s = reinterpret_cast<Search*>(param);
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  if (pid == s->processId && IsWindowVisible(hwnd) && className(hwnd) == s->className) {
    s->found = hwnd;
    return FALSE;
  }
  return TRUE;
}

HWND childOfClass(HWND parent, const char* cls) {
  return FindWindowExA(parent, nullptr, cls, nullptr);
}

BITMAPINFO topDown32(int w, int h) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = w;
  info.bmiHeader.biHeight = -h;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  return info;
}

// A system icon drawn as the box would draw it: on the box's own background, whose colour the
// icon's corner shows.
std::vector<COLORREF> systemIconPixels(LPCSTR icon, int w, int h, COLORREF background) {
  std::vector<COLORREF> pixels(static_cast<std::size_t>(w) * static_cast<std::size_t>(h));
  BITMAPINFO info = topDown32(w, h);
  void* bits = nullptr;
  const HDC dc = CreateCompatibleDC(nullptr);
  const HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  const HGDIOBJ old = SelectObject(dc, bitmap);
  for (int i = 0; i < w * h; ++i) static_cast<DWORD*>(bits)[i] = dibFromColor(background);
  DrawIconEx(dc, 0, 0, LoadIconA(nullptr, icon), 0, 0, 0, nullptr, DI_NORMAL);
  GdiFlush();
  for (int i = 0; i < w * h; ++i)
    pixels[static_cast<std::size_t>(i)] = colorFromDib(static_cast<DWORD*>(bits)[i]);
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
  return pixels;
}

// Which system icon a message box shows, judged by the pixels on the screen: icon handles
// mean nothing outside their process.
BoxIcon iconShownIn(HWND iconControl) {
  RECT r;
  GetWindowRect(iconControl, &r);
  const ScreenGrab grab = grabScreen(r);
  if (grab.pixels.empty()) return BoxIcon::kNone;
  const std::vector<COLORREF>& shown = grab.pixels;
  const int w = grab.width;
  const int h = grab.height;
  if (shown == systemIconPixels(reinterpret_cast<LPCSTR>(IDI_ERROR), w, h, shown[0])) return BoxIcon::kError;
  if (shown == systemIconPixels(reinterpret_cast<LPCSTR>(IDI_INFORMATION), w, h, shown[0])) {
    return BoxIcon::kInformation;
  }
  return BoxIcon::kOther;
}

LPARAM pointParam(int x, int y) {
  return MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y));
}

}  // namespace

HWND findTopLevel(DWORD processId, const char* windowClass) {
  Search s{processId, windowClass};
  EnumWindows(matchTopLevel, reinterpret_cast<LPARAM>(&s));
  return s.found;
}

std::string windowText(HWND hwnd) {
  const int length = static_cast<int>(SendMessageA(hwnd, WM_GETTEXTLENGTH, 0, 0));
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  const auto got = SendMessageA(hwnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(got));
  return text;
}

bool waitUntil(const std::function<bool()>& ready, DWORD timeoutMs) {
  const ULONGLONG end = GetTickCount64() + timeoutMs;
  for (;;) {
    if (ready()) return true;
    if (GetTickCount64() >= end) return false;
    Sleep(20);
  }
}

std::optional<UpdaterWindow> waitForUpdater(DWORD processId, DWORD timeoutMs) {
  UpdaterWindow w;
  const bool found = waitUntil(
      [&] {
        w.form = findTopLevel(processId, "UpTK294QForm");
        w.panel = w.form ? childOfClass(w.form, "UpTK294QPanel") : nullptr;
        w.log = w.panel ? childOfClass(w.panel, "Edit") : nullptr;
        return w.log != nullptr;
      },
      timeoutMs);
  if (!found) return std::nullopt;
  return w;
}

std::string logText(const UpdaterWindow& window) {
  return windowText(window.log);
}

std::string waitForLogLines(const UpdaterWindow& window, int lines, DWORD timeoutMs) {
  std::string text;
  waitUntil(
      [&] {
        text = logText(window);
        int count = 0;
        for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at + 2))
          ++count;
        return count >= lines;
      },
      timeoutMs);
  return text;
}

void clickPanel(const UpdaterWindow& window, int x, int y) {
  PostMessageA(window.panel, WM_MOUSEMOVE, 0, pointParam(x, y));
  PostMessageA(window.panel, WM_LBUTTONDOWN, MK_LBUTTON, pointParam(x, y));
  PostMessageA(window.panel, WM_LBUTTONUP, 0, pointParam(x, y));
}

void clickButton(const UpdaterWindow& window, RECT bounds) {
  clickPanel(window, (bounds.left + bounds.right) / 2, (bounds.top + bounds.bottom) / 2);
}

void pressKey(const UpdaterWindow& window, int virtualKey, unsigned modifiers) {
  // With Alt held Windows sends the system variant of the key message.
  const UINT down = (modifiers & MOD_ALT) ? WM_SYSKEYDOWN : WM_KEYDOWN;
  const UINT up = (modifiers & MOD_ALT) ? WM_SYSKEYUP : WM_KEYUP;
  const LPARAM altBit = (modifiers & MOD_ALT) ? (1 << 29) : 0;
  std::vector<int> held;
  if (modifiers & MOD_SHIFT) held.push_back(VK_SHIFT);
  if (modifiers & MOD_CONTROL) held.push_back(VK_CONTROL);
  for (int key : held) PostMessageA(window.log, WM_KEYDOWN, static_cast<WPARAM>(key), 1);
  PostMessageA(window.log, down, static_cast<WPARAM>(virtualKey), 1 | altBit);
  PostMessageA(window.log, up, static_cast<WPARAM>(virtualKey), static_cast<LPARAM>(0xC0000001) | altBit);
  for (int key : held)
    PostMessageA(window.log, WM_KEYUP, static_cast<WPARAM>(key), static_cast<LPARAM>(0xC0000001));
}

void closeByCloseBox(const UpdaterWindow& window) {
  PostMessageA(window.form, WM_SYSCOMMAND, SC_CLOSE, 0);
}

std::optional<ShownBox> waitForMessageBox(DWORD processId, DWORD timeoutMs) {
  HWND box = nullptr;
  if (!waitUntil([&] { return (box = findTopLevel(processId, "#32770")) != nullptr; }, timeoutMs))
    return std::nullopt;
  ShownBox shown;
  shown.hwnd = box;
  HWND iconChild = nullptr;
  shown.title = windowText(box);
  GetWindowRect(box, &shown.bounds);
  // The text is the box's static control that is not an icon.
  for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (className(child) != "Static") continue;
    if (GetWindowLongA(child, GWL_STYLE) & SS_ICON) {
      if (IsWindowVisible(child)) iconChild = child;
    } else {
      shown.text = windowText(child);
    }
  }
  if (iconChild) {
    Sleep(100);  // the box must have painted itself
    shown.icon = iconShownIn(iconChild);
  }
  return shown;
}

void pressOk(const ShownBox& box) {
  PostMessageA(box.hwnd, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
}

bool noMessageBoxFor(DWORD processId, DWORD waitMs) {
  return !waitForMessageBox(processId, waitMs);
}

COLORREF screenPixel(HWND window, int x, int y) {
  POINT p{x, y};
  ClientToScreen(window, &p);
  const HDC screen = GetDC(nullptr);
  const COLORREF c = GetPixel(screen, p.x, p.y);
  ReleaseDC(nullptr, screen);
  return c;
}

bool centredOnScreen(const RECT& bounds) {
  const auto off = [](LONG low, LONG high, int screen) { return std::abs(low + high - screen) <= 1; };
  return off(bounds.left, bounds.right, GetSystemMetrics(SM_CXSCREEN)) &&
         off(bounds.top, bounds.bottom, GetSystemMetrics(SM_CYSCREEN));
}

}  // namespace driver
