#include "screen_grab.h"

#include <memory>
#include <type_traits>

namespace driver {
namespace {

struct ScreenDcReleaser {
  void operator()(HDC dc) const { ReleaseDC(nullptr, dc); }
};
struct DcDeleter {
  void operator()(HDC dc) const { DeleteDC(dc); }
};
struct ObjectDeleter {
  void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
using ScreenDc = std::unique_ptr<std::remove_pointer_t<HDC>, ScreenDcReleaser>;
using MemoryDc = std::unique_ptr<std::remove_pointer_t<HDC>, DcDeleter>;
using Bitmap = std::unique_ptr<std::remove_pointer_t<HBITMAP>, ObjectDeleter>;

}  // namespace

ScreenGrab grabScreen(const RECT& onScreen) {
  ScreenGrab grab;
  const int w = onScreen.right - onScreen.left;
  const int h = onScreen.bottom - onScreen.top;
  if (w <= 0 || h <= 0) return grab;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = w;
  info.bmiHeader.biHeight = -h;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;

  const ScreenDc screen(GetDC(nullptr));
  const MemoryDc memory(CreateCompatibleDC(screen.get()));
  void* bits = nullptr;
  const Bitmap bitmap(CreateDIBSection(memory.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!screen || !memory || !bitmap || !bits) return grab;
  const HGDIOBJ previous = SelectObject(memory.get(), bitmap.get());
  const bool copied =
      BitBlt(memory.get(), 0, 0, w, h, screen.get(), onScreen.left, onScreen.top, SRCCOPY) != FALSE;
  GdiFlush();
  SelectObject(memory.get(), previous);
  if (!copied) return grab;

  grab.width = w;
  grab.height = h;
  grab.pixels.reserve(static_cast<std::size_t>(w) * static_cast<std::size_t>(h));
  const auto* dib = static_cast<const DWORD*>(bits);  // 0x00RRGGBB
  for (std::size_t i = 0; i < static_cast<std::size_t>(w) * static_cast<std::size_t>(h); ++i) {
    grab.pixels.push_back(colorFromDib(dib[i]));
  }
  return grab;
}

RECT panelRectOnScreen(const UpdaterWindow& window, const RECT& inPanel) {
  POINT origin{0, 0};
  ClientToScreen(window.panel, &origin);
  return RECT{inPanel.left + origin.x, inPanel.top + origin.y, inPanel.right + origin.x,
              inPanel.bottom + origin.y};
}

}  // namespace driver
