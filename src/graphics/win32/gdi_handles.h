// Inline helpers only: owning wrappers for GDI handles.
#pragma once
#include <windows.h>

#include <memory>
#include <type_traits>

namespace graphics::win32 {

struct DcDeleter {
  void operator()(HDC dc) const { DeleteDC(dc); }
};
// A device context this code created (CreateCompatibleDC), deleted with DeleteDC.
using UniqueDc = std::unique_ptr<std::remove_pointer_t<HDC>, DcDeleter>;

struct GdiObjectDeleter {
  void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
// A pen, brush, font or bitmap this code created; it must no longer be selected into a DC when
// the handle goes.
template <class Handle>
using UniqueGdiObject = std::unique_ptr<std::remove_pointer_t<Handle>, GdiObjectDeleter>;
using UniqueBitmap = UniqueGdiObject<HBITMAP>;
using UniqueFont = UniqueGdiObject<HFONT>;

// Selects an object into a DC for the guard's lifetime, then puts the previous one back.
class ScopedSelection {
 public:
  ScopedSelection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  ~ScopedSelection() { SelectObject(dc_, previous_); }
  ScopedSelection(const ScopedSelection&) = delete;
  ScopedSelection& operator=(const ScopedSelection&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

}  // namespace graphics::win32
