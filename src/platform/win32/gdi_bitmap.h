#pragma once
#include <windows.h>

#include <memory>
#include <optional>

#include "platform/canvas.h"
#include "platform/win32/gdi_canvas.h"
#include "platform/win32/gdi_handles.h"
#include "platform/win32/gdi_surface_pool.h"

namespace platform::win32 {

// An off-screen bitmap: a 32-bit top-down DIB section selected into its own memory DC.
class GdiBitmap final : public Bitmap {
 public:
  GdiBitmap(int width, int height);
  ~GdiBitmap() override;
  GdiBitmap(const GdiBitmap&) = delete;
  GdiBitmap& operator=(const GdiBitmap&) = delete;

  HDC dc() const { return dc_.get(); }
  const DibView& pixels() const { return view_; }

  int width() const override { return view_.width; }
  int height() const override { return view_.height; }
  void setSize(int width, int height) override;
  Canvas& canvas() override { return *canvas_; }
  const Canvas& canvas() const override { return *canvas_; }

  void setTransparentColor(Color c) override;
  void setAutoTransparent() override;
  void setOpaque() override;
  std::optional<Color> seeThroughColor() const override;

  std::unique_ptr<Bitmap> clone() const override;

 private:
  enum class Transparency { kOpaque, kFixed, kAutomatic };

  UniqueDc dc_;
  HGDIOBJ originalBitmap_ = nullptr;
  PooledDib dib_;
  DibView view_;
  std::unique_ptr<GdiCanvas> canvas_;
  Transparency transparency_ = Transparency::kOpaque;
  Color transparentColor_ = 0;
};

}  // namespace platform::win32
