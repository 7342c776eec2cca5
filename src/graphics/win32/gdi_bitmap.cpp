#include "graphics/win32/gdi_bitmap.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <string>

#include "graphics/packed_dib.h"

namespace graphics::win32 {

GdiBitmap::GdiBitmap(int width, int height) {
  makeSurface(width, height);
}

GdiBitmap::GdiBitmap(const GdiBitmap& other) : Bitmap(other) {
  makeSurface(other.view_.width, other.view_.height);
  canvas_->drawOpaque(0, 0, other);
}

void GdiBitmap::makeSurface(int width, int height) {
  requireBitmapSize(width, height);
  dc_ = takeMemoryDc();
  dib_ = takeDib(width, height);
  if (dib_.handle) originalBitmap_ = SelectObject(dc_.get(), dib_.handle.get());
  view_ = {dib_.bits, width, height};
  canvas_ = std::make_unique<GdiCanvas>(dc_.get(), &view_);
}

GdiBitmap::~GdiBitmap() {
  canvas_.reset();
  if (originalBitmap_ != nullptr) SelectObject(dc_.get(), originalBitmap_);
  giveBackDib(std::move(dib_));
  giveBackMemoryDc(std::move(dc_));
}

void GdiBitmap::setSize(int width, int height) {
  requireBitmapSize(width, height);
  if (width == view_.width && height == view_.height) return;
  PooledDib resized = takeDib(width, height);
  if (resized.handle && dib_.handle) {
    GdiFlush();
    const int keepWidth = std::min(width, view_.width);
    for (int y = 0; y < std::min(height, view_.height); ++y) {
      std::copy_n(view_.bits + static_cast<std::size_t>(y) * view_.width, keepWidth,
                  resized.bits + static_cast<std::size_t>(y) * width);
    }
  }
  if (resized.handle) {
    const HGDIOBJ previous = SelectObject(dc_.get(), resized.handle.get());
    if (originalBitmap_ == nullptr) originalBitmap_ = previous;
  } else if (originalBitmap_ != nullptr) {
    SelectObject(dc_.get(), originalBitmap_);
    originalBitmap_ = nullptr;
  }
  giveBackDib(std::move(dib_));
  dib_ = std::move(resized);
  view_ = {dib_.bits, width, height};
}

std::unique_ptr<Bitmap> GdiBitmap::clone() const {
  return std::make_unique<GdiBitmap>(*this);
}

}  // namespace graphics::win32

namespace graphics {

std::unique_ptr<Bitmap> createBitmap(int width, int height) {
  return std::make_unique<win32::GdiBitmap>(width, height);
}

// LoadImageA makes a DIB section and a DC of its own for every load, which under Wine costs more
// than the rest of a button's frame; GDI converts the resource's pixels straight into the new
// bitmap instead.
std::unique_ptr<Bitmap> loadBitmapResource(std::string_view name) {
  const PackedDib dib = findBitmapResource(name);
  auto bitmap = std::make_unique<win32::GdiBitmap>(dib.layout.width, dib.layout.height);
  if (dib.layout.width > 0 && dib.layout.height > 0) {
    // The header and its colour table are a BITMAPINFO, checked to lie within the bytes.
    const auto* info = reinterpret_cast<const BITMAPINFO*>(dib.bytes.data());
    const auto width = static_cast<DWORD>(dib.layout.width);
    const auto height = static_cast<DWORD>(dib.layout.height);
    if (SetDIBitsToDevice(bitmap->dc(), 0, 0, width, height, 0, 0, 0, height,
                          dib.bytes.data() + dib.layout.pixelsAt, info, DIB_RGB_COLORS) == 0)
      throw bitmapResourceError(name, "GDI cannot convert its pixels");
  }
  return bitmap;
}

}  // namespace graphics
