#pragma once
#include <windows.h>

#include <memory>
#include <type_traits>

#include "platform/win32/gdi_handles.h"

namespace platform::win32 {

// Owning wrappers for the window-side handles the toolkit creates.
struct WindowDeleter {
  void operator()(HWND h) const { DestroyWindow(h); }
};
struct IconDeleter {
  void operator()(HICON h) const { DestroyIcon(h); }
};

using UniqueBrush = UniqueGdiObject<HBRUSH>;
using UniqueWindow = std::unique_ptr<std::remove_pointer_t<HWND>, WindowDeleter>;
using UniqueIcon = std::unique_ptr<std::remove_pointer_t<HICON>, IconDeleter>;

}  // namespace platform::win32
