// Inline helpers only: owning wrappers for the window-side handles of the Windows backend.
#pragma once
#include <windows.h>

#include <memory>
#include <type_traits>

#include "graphics/win32/gdi_handles.h"

namespace toolkit::win32 {

// Owning wrappers for the window-side handles the toolkit creates.
struct WindowDeleter {
  void operator()(HWND h) const { DestroyWindow(h); }
};
struct IconDeleter {
  void operator()(HICON h) const { DestroyIcon(h); }
};

using UniqueBrush = graphics::win32::UniqueGdiObject<HBRUSH>;

// A window's device context from GetDC, released with it.
class WindowDc {
 public:
  explicit WindowDc(HWND hwnd) : hwnd_(hwnd), dc_(GetDC(hwnd)) {}
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  ~WindowDc() { ReleaseDC(hwnd_, dc_); }
  HDC get() const { return dc_; }

 private:
  HWND hwnd_;
  HDC dc_;
};
using UniqueWindow = std::unique_ptr<std::remove_pointer_t<HWND>, WindowDeleter>;
using UniqueIcon = std::unique_ptr<std::remove_pointer_t<HICON>, IconDeleter>;

}  // namespace toolkit::win32
