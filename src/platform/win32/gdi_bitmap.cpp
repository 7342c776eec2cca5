#include "platform/win32/gdi_bitmap.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace platform::win32 {
namespace {

struct Dib {
  UniqueBitmap handle;
  void* bits = nullptr;
};

// Zero-sized bitmaps have no DIB section at all: GDI refuses to make one.
Dib createDib(int width, int height) {
  Dib dib;
  if (width == 0 || height == 0) return dib;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  dib.handle.reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &dib.bits, nullptr, 0));
  if (!dib.handle) {
    throw std::runtime_error("CreateDIBSection failed for " + std::to_string(width) + " x " +
                             std::to_string(height) + " (error " + std::to_string(GetLastError()) + ")");
  }
  return dib;
}

UniqueDc createMemoryDc() {
  UniqueDc dc(CreateCompatibleDC(nullptr));
  if (!dc)
    throw std::runtime_error("CreateCompatibleDC failed (error " + std::to_string(GetLastError()) + ")");
  return dc;
}

}  // namespace

GdiBitmap::GdiBitmap(int width, int height) : dc_(createMemoryDc()) {
  requireBitmapSize(width, height);
  Dib dib = createDib(width, height);
  if (dib.handle) originalBitmap_ = SelectObject(dc_.get(), dib.handle.get());
  dib_ = std::move(dib.handle);
  view_ = {static_cast<std::uint32_t*>(dib.bits), width, height};
  canvas_ = std::make_unique<GdiCanvas>(dc_.get(), &view_);
}

GdiBitmap::~GdiBitmap() {
  canvas_.reset();
  if (originalBitmap_ != nullptr) SelectObject(dc_.get(), originalBitmap_);
}

void GdiBitmap::setSize(int width, int height) {
  requireBitmapSize(width, height);
  if (width == view_.width && height == view_.height) return;
  Dib resized = createDib(width, height);
  if (resized.handle && dib_) {
    const UniqueDc scratch = createMemoryDc();
    const ScopedSelection selection(scratch.get(), resized.handle.get());
    BitBlt(scratch.get(), 0, 0, std::min(width, view_.width), std::min(height, view_.height), dc_.get(), 0, 0,
           SRCCOPY);
  }
  if (resized.handle) {
    const HGDIOBJ previous = SelectObject(dc_.get(), resized.handle.get());
    if (originalBitmap_ == nullptr) originalBitmap_ = previous;
  } else if (originalBitmap_ != nullptr) {
    SelectObject(dc_.get(), originalBitmap_);
    originalBitmap_ = nullptr;
  }
  dib_ = std::move(resized.handle);
  view_ = {static_cast<std::uint32_t*>(resized.bits), width, height};
}

void GdiBitmap::setTransparentColor(Color c) {
  transparency_ = Transparency::kFixed;
  transparentColor_ = c;
}

void GdiBitmap::setAutoTransparent() {
  transparency_ = Transparency::kAutomatic;
}

void GdiBitmap::setOpaque() {
  transparency_ = Transparency::kOpaque;
}

std::optional<Color> GdiBitmap::seeThroughColor() const {
  switch (transparency_) {
    case Transparency::kOpaque:
      return std::nullopt;
    case Transparency::kFixed:
      return canvas_->resolve(transparentColor_);
    case Transparency::kAutomatic:
      if (view_.width == 0 || view_.height == 0) return std::nullopt;
      return canvas_->pixel(0, view_.height - 1);
  }
  return std::nullopt;
}

std::unique_ptr<Bitmap> GdiBitmap::clone() const {
  auto copy = std::make_unique<GdiBitmap>(view_.width, view_.height);
  copy->canvas().drawOpaque(0, 0, *this);
  copy->transparency_ = transparency_;
  copy->transparentColor_ = transparentColor_;
  return copy;
}

}  // namespace platform::win32

namespace platform {

std::unique_ptr<Bitmap> createBitmap(int width, int height) {
  return std::make_unique<win32::GdiBitmap>(width, height);
}

std::unique_ptr<Bitmap> loadBitmapResource(std::string_view name) {
  const std::string resourceName(name);
  win32::UniqueBitmap loaded(static_cast<HBITMAP>(
      LoadImageA(GetModuleHandleA(nullptr), resourceName.c_str(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
  if (!loaded) throw std::runtime_error("Bitmap resource '" + resourceName + "' not found");
  BITMAP info{};
  GetObjectA(loaded.get(), sizeof(info), &info);
  auto bitmap = std::make_unique<win32::GdiBitmap>(info.bmWidth, info.bmHeight);
  const win32::UniqueDc scratch(CreateCompatibleDC(nullptr));
  if (!scratch) throw std::runtime_error("CreateCompatibleDC failed while loading '" + resourceName + "'");
  const win32::ScopedSelection selection(scratch.get(), loaded.get());
  BitBlt(bitmap->dc(), 0, 0, info.bmWidth, info.bmHeight, scratch.get(), 0, 0, SRCCOPY);
  return bitmap;
}

}  // namespace platform
