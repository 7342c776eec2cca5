#include "graphics/win32/gdi_canvas.h"

#include <algorithm>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "graphics/win32/gdi_surface_pool.h"

namespace graphics::win32 {
namespace {

COLORREF colorRef(Color rgbColor) {
  return static_cast<COLORREF>(rgbColor & 0x00FFFFFF);
}

RECT toRect(const Rect& r) {
  return RECT{r.left, r.top, r.right, r.bottom};
}

std::uint32_t dibPixel(Color rgbColor) {
  return ((rgbColor & 0xFF) << 16) | (rgbColor & 0xFF00) | ((rgbColor >> 16) & 0xFF);
}

// Copies every source pixel but those of the key colour to (x, y) of target, clipped to it.
void copySeeThrough(const DibView& source, const DibView& target, int x, int y, std::uint32_t key) {
  std::vector<std::uint32_t> ownCopy;
  const std::uint32_t* from = source.bits;
  if (source.bits == target.bits) {  // a bitmap drawn onto itself reads what it had before
    ownCopy.assign(source.bits, source.bits + static_cast<std::size_t>(source.width) * source.height);
    from = ownCopy.data();
  }
  const int x0 = std::max(0, -x);
  const int x1 = std::min(source.width, target.width - x);
  for (int sy = std::max(0, -y); sy < std::min(source.height, target.height - y); ++sy) {
    const std::uint32_t* in = from + static_cast<std::size_t>(sy) * source.width;
    std::uint32_t* out = target.bits + static_cast<std::size_t>(sy + y) * target.width + x;
    for (int sx = x0; sx < x1; ++sx) {
      if ((in[sx] & 0x00FFFFFF) != key) out[sx] = in[sx];
    }
  }
}

// A per-thread surface to compose see-through copies for window DCs in, grown as needed. Its
// handles die with the thread: the pools they came from may be gone by then.
struct ScratchSurface {
  PooledDib dib;
  UniqueDc dc;  // destroyed first, before the bitmap selected into it
  DibView view;
};

const ScratchSurface& scratchSurface(int width, int height) {
  thread_local ScratchSurface scratch;
  if (scratch.view.width < width || scratch.view.height < height) {
    ScratchSurface grown;
    grown.dib = takeDib(std::max(width, scratch.view.width), std::max(height, scratch.view.height));
    grown.dc = takeMemoryDc();
    SelectObject(grown.dc.get(), grown.dib.handle.get());
    grown.view = {grown.dib.bits, grown.dib.width, grown.dib.height};
    scratch.dc.reset();  // lets go of the old bitmap before it is deleted
    scratch = std::move(grown);
  }
  return scratch;
}

const GdiDrawable& drawableOf(const Bitmap& bitmap) {
  const auto* gdi = dynamic_cast<const GdiDrawable*>(&bitmap);
  if (gdi == nullptr)
    throw std::invalid_argument("Only bitmaps of the GDI backend can be drawn on a GDI canvas");
  return *gdi;
}

}  // namespace

GdiCanvas::GdiCanvas(HDC dc, const DibView* dib)
    : dc_(dc),
      dib_(dib),
      originalPen_(SelectObject(dc, GetStockObject(DC_PEN))),
      originalBrush_(SelectObject(dc, GetStockObject(DC_BRUSH))),
      originalPenColor_(SetDCPenColor(dc, colorRef(kDefaultPenColor))),
      originalBrushColor_(SetDCBrushColor(dc, colorRef(kDefaultBrushColor))),
      originalTextColor_(GetTextColor(dc)),
      originalBackgroundMode_(SetBkMode(dc, TRANSPARENT)) {}

GdiCanvas::~GdiCanvas() {
  SelectObject(dc_, originalPen_);
  SelectObject(dc_, originalBrush_);
  if (originalFont_ != nullptr) SelectObject(dc_, originalFont_);
  SetDCPenColor(dc_, originalPenColor_);
  SetDCBrushColor(dc_, originalBrushColor_);
  SetTextColor(dc_, originalTextColor_);
  SetBkMode(dc_, originalBackgroundMode_);
}

void GdiCanvas::setPenColor(Color c) {
  penColor_ = c;
  SetDCPenColor(dc_, colorRef(resolve(c)));
}

void GdiCanvas::setPenStyle(PenStyle s) {
  penStyle_ = s;
  SelectObject(dc_, GetStockObject(s == PenStyle::kSolid ? DC_PEN : NULL_PEN));
}

void GdiCanvas::setBrushColor(Color c) {
  brushColor_ = c;
  SetDCBrushColor(dc_, colorRef(resolve(c)));
}

void GdiCanvas::setBrushStyle(BrushStyle s) {
  brushStyle_ = s;
  SelectObject(dc_, GetStockObject(s == BrushStyle::kSolid ? DC_BRUSH : NULL_BRUSH));
}

void GdiCanvas::setFont(const Font& f) {
  if (f == font_ && fontSelected_) return;
  font_ = f;
  fontSelected_ = false;
}

// Fonts are made when text needs them: most canvases that get a font never draw with it.
void GdiCanvas::selectFont() {
  if (fontSelected_) return;
  UniqueFont created = createFont(font_);
  if (!created) throw std::runtime_error("CreateFontA failed for font '" + font_.name + "'");
  const HGDIOBJ previous = SelectObject(dc_, created.get());
  if (originalFont_ == nullptr) originalFont_ = previous;
  gdiFont_ = std::move(created);
  fontSelected_ = true;
}

void GdiCanvas::fillRect(const Rect& r) {
  if (r.empty()) return;
  const RECT rc = toRect(r);
  FillRect(dc_, &rc, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

void GdiCanvas::rectangle(const Rect& r) {
  Rectangle(dc_, r.left, r.top, r.right, r.bottom);
}

void GdiCanvas::roundRect(const Rect& r, int ellipseWidth, int ellipseHeight) {
  RoundRect(dc_, r.left, r.top, r.right, r.bottom, ellipseWidth, ellipseHeight);
}

void GdiCanvas::moveTo(int x, int y) {
  MoveToEx(dc_, x, y, nullptr);
}

void GdiCanvas::lineTo(int x, int y) {
  LineTo(dc_, x, y);
}

int GdiCanvas::drawText(std::string_view text, Rect& r, unsigned flags) {
  selectFont();
  SetTextColor(dc_, colorRef(resolve(font_.color)));
  RECT rc = toRect(r);
  const int height = DrawTextA(dc_, text.data(), static_cast<int>(text.size()), &rc, flags);
  if (flags & kDtCalcRect) r = Rect{rc.left, rc.top, rc.right, rc.bottom};
  return height;
}

Size GdiCanvas::textExtent(std::string_view text) {
  selectFont();
  SIZE size{};
  GetTextExtentPoint32A(dc_, text.data(), static_cast<int>(text.size()), &size);
  return {size.cx, size.cy};
}

void GdiCanvas::draw(int x, int y, const Bitmap& bitmap) {
  blit(x, y, bitmap, true);
}

void GdiCanvas::drawOpaque(int x, int y, const Bitmap& bitmap) {
  blit(x, y, bitmap, false);
}

void GdiCanvas::blit(int x, int y, const Bitmap& bitmap, bool useTransparency) {
  const GdiDrawable& source = drawableOf(bitmap);
  const int w = bitmap.width();
  const int h = bitmap.height();
  if (w == 0 || h == 0) return;
  const std::optional<Color> seeThrough = useTransparency ? bitmap.seeThroughColor() : std::nullopt;
  if (seeThrough) {
    drawSeeThrough(x, y, source.pixels(), source.dc(), *seeThrough);
  } else {
    BitBlt(dc_, x, y, w, h, source.dc(), 0, 0, SRCCOPY);
  }
}

// GdiTransparentBlt builds masks and scratch bitmaps on every call: under Wine it takes about
// 0.45 ms for a button-sized copy, most of a frame's budget. Both ends are 32-bit pixels in
// memory here, or can be brought there with two plain blits, so the copy is done in place.
void GdiCanvas::drawSeeThrough(int x, int y, const DibView& source, HDC sourceDc, Color seeThrough) {
  const std::uint32_t key = dibPixel(seeThrough);
  if (dib_ != nullptr && dib_->bits != nullptr) {
    GdiFlush();
    copySeeThrough(source, *dib_, x, y, key);
    return;
  }
  if (GetDeviceCaps(dc_, TECHNOLOGY) != DT_RASDISPLAY) {
    GdiTransparentBlt(dc_, x, y, source.width, source.height, sourceDc, 0, 0, source.width, source.height,
                      colorRef(seeThrough));
    return;
  }
  // A window's DC: take what is there, put the face over it, and give it back in one blit.
  const ScratchSurface& scratch = scratchSurface(source.width, source.height);
  BitBlt(scratch.dc.get(), 0, 0, source.width, source.height, dc_, x, y, SRCCOPY);
  GdiFlush();
  copySeeThrough(source, scratch.view, 0, 0, key);
  BitBlt(dc_, x, y, source.width, source.height, scratch.dc.get(), 0, 0, SRCCOPY);
}

COLORREF toColorRef(Color c) {
  return isSystemColor(c) ? GetSysColor(systemColorIndex(c)) : static_cast<COLORREF>(c & 0x00FFFFFF);
}

Color GdiCanvas::resolve(Color c) const {
  return static_cast<Color>(toColorRef(c)) & 0x00FFFFFF;
}

Color GdiCanvas::pixel(int x, int y) const {
  if (dib_ == nullptr) {
    const COLORREF c = GetPixel(dc_, x, y);
    return c == CLR_INVALID ? kInvalidPixel : static_cast<Color>(c);
  }
  if (x < 0 || y < 0 || x >= dib_->width || y >= dib_->height) return kInvalidPixel;
  GdiFlush();
  const std::uint32_t bgr = dib_->bits[static_cast<std::size_t>(y) * dib_->width + x];
  return rgb((bgr >> 16) & 0xFF, (bgr >> 8) & 0xFF, bgr & 0xFF);
}

}  // namespace graphics::win32
