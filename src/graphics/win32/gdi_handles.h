// Inline helpers only: owning wrappers for GDI handles, and the one way a Font becomes a GDI font.
#pragma once
#include <windows.h>

#include <memory>
#include <type_traits>

#include "graphics/font.h"

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

// The GDI font of `font`; null when the system cannot make it.
inline UniqueFont createFont(const Font& font) {
  return UniqueFont(CreateFontA(font.height, 0, 0, 0, (font.style & kFontBold) ? FW_BOLD : FW_NORMAL,
                                (font.style & kFontItalic) != 0, (font.style & kFontUnderline) != 0,
                                (font.style & kFontStrikeOut) != 0, static_cast<BYTE>(font.charset),
                                OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                DEFAULT_PITCH | FF_DONTCARE, font.name.c_str()));
}

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
