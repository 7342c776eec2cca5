// A small stand-in for the Ralvento application: a window that shows its name and the version
// it was built as, so that the updater's demo replaces a real program and the result can be
// seen by starting it.
#include <windows.h>

#include <string>

#ifndef RALVENTO_VERSION
#error "RALVENTO_VERSION must name the version this stand-in shows"
#endif

namespace {

const std::string kText = "Ralvento " RALVENTO_VERSION;

// Called by the system, which no exception may unwind into: nothing here throws. It is not marked
// noexcept, which would link the runtime's verbose terminate handler and nearly quintuple this
// small program.
LRESULT CALLBACK windowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_PAINT: {
      PAINTSTRUCT ps;
      const HDC dc = BeginPaint(hwnd, &ps);
      RECT r;
      GetClientRect(hwnd, &r);
      SetBkMode(dc, TRANSPARENT);
      DrawTextA(dc, kText.c_str(), -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
      EndPaint(hwnd, &ps);
      return 0;
    }
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcA(hwnd, msg, wParam, lParam);
  }
}

}  // namespace

int main() {
  WNDCLASSA wc{};
  wc.lpfnWndProc = windowProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  wc.lpszClassName = "RalventoStandIn";
  RegisterClassA(&wc);
  const HWND hwnd = CreateWindowExA(0, wc.lpszClassName, "Ralvento", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                    CW_USEDEFAULT, 320, 160, nullptr, nullptr, wc.hInstance, nullptr);
  if (!hwnd) return 1;
  ShowWindow(hwnd, SW_SHOWNORMAL);
  MSG m;
  while (GetMessageA(&m, nullptr, 0, 0) > 0) {
    TranslateMessage(&m);
    DispatchMessageA(&m);
  }
  return 0;
}
