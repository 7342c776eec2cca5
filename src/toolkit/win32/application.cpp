#include "toolkit/application.h"

#include <windows.h>

#include "platform/win32/system_entry.h"
#include "toolkit/win32/toolkit.h"

namespace toolkit::application {
namespace {

std::string& titleText() {
  static std::string text;
  return text;
}

bool& terminated() {
  static bool flag = false;
  return flag;
}

// Keys go to the form before the focused control sees them, and typed characters are offered
// to the form's controls as accelerators. True when the message is used up.
bool preTranslate(const MSG& m) {
  Form* form = m.hwnd ? win32::formOf(m.hwnd) : nullptr;
  if (!form) return false;
  if (m.message == WM_KEYDOWN || m.message == WM_SYSKEYDOWN) {
    form->previewKeyDown(static_cast<int>(m.wParam), win32::shiftState());
  } else if (m.message == WM_CHAR || m.message == WM_SYSCHAR) {
    // An edit box, even a read-only one, says it wants characters; the form and panels do not.
    const bool focusTakesChars =
        m.message == WM_CHAR &&
        (SendMessageA(m.hwnd, WM_GETDLGCODE, m.wParam, reinterpret_cast<LPARAM>(&m)) & DLGC_WANTCHARS) != 0;
    return form->typedChar(static_cast<char>(m.wParam), m.message == WM_SYSCHAR, focusTakesChars);
  }
  return false;
}

void dispatch(const MSG& m) {
  if (!preTranslate(m)) {
    TranslateMessage(&m);
    DispatchMessageA(&m);
  }
}

}  // namespace

void restrictDllSearch() {
  // Looked up: Windows 7 has it only with an update installed.
  const auto setDefaultDllDirectories =
      SYSTEM_ENTRY(GetModuleHandleA("kernel32.dll"), SetDefaultDllDirectories);
  if (setDefaultDllDirectories) setDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
  SetDllDirectoryA("");  // also takes the current folder out of the search where the above is missing
}

void setTitle(std::string_view title) {
  titleText() = title;
}
std::string title() {
  return titleText();
}

int run() {
  MSG m;
  while (!terminated()) {
    const BOOL got = GetMessageA(&m, nullptr, 0, 0);
    if (got <= 0) break;
    dispatch(m);
  }
  return 0;
}

void terminate() {
  terminated() = true;
  PostQuitMessage(0);
}

bool terminationRequested() {
  return terminated();
}

void processMessages() {
  MSG m;
  while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {
    if (m.message == WM_QUIT) {
      terminated() = true;
      PostQuitMessage(static_cast<int>(m.wParam));  // the event loop must still see it
      return;
    }
    dispatch(m);
  }
}

void reportError(const char* text) noexcept {
  win32::showModalBox(text, titleText().c_str(), MB_ICONSTOP);
}

}  // namespace toolkit::application
