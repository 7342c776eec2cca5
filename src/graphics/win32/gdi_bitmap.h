#pragma once
#include <windows.h>

#include <memory>
#include <optional>

#include "graphics/canvas.h"
#include "graphics/win32/gdi_canvas.h"
#include "graphics/win32/gdi_handles.h"
#include "graphics/win32/gdi_surface_pool.h"

namespace graphics::win32 {

// An off-screen bitmap: a 32-bit top-down DIB section selected into its own memory DC.
class GdiBitmap final : public Bitmap, public GdiDrawable {
 public:
  GdiBitmap(int width, int height);
  ~GdiBitmap() override;
  // The pixels and the transparency setting, with a canvas of its own.
  GdiBitmap(const GdiBitmap& other);
  GdiBitmap& operator=(const GdiBitmap&) = delete;

  HDC dc() const override { return dc_.get(); }
  const DibView& pixels() const override { return view_; }

  int width() const override { return view_.width; }
  int height() const override { return view_.height; }
  void setSize(int width, int height) override;
  Canvas& canvas() override { return *canvas_; }
  const Canvas& canvas() const override { return *canvas_; }

  std::unique_ptr<Bitmap> clone() const override;

 private:
  void makeSurface(int width, int height);

  UniqueDc dc_;
  HGDIOBJ originalBitmap_ = nullptr;
  PooledDib dib_;
  DibView view_;
  std::unique_ptr<GdiCanvas> canvas_;
};

}  // namespace graphics::win32
