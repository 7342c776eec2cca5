#pragma once
#include <windows.h>

#include <cstdint>

#include "graphics/canvas.h"
#include "graphics/win32/gdi_handles.h"

namespace graphics::win32 {

// The system's RGB value of a colour: a system colour as the display shows it now.
COLORREF toColorRef(Color c);

// The pixels of a 32-bit top-down DIB section, for exact reads without GetPixel and for
// see-through copies done in memory.
struct DibView {
  std::uint32_t* bits = nullptr;  // 0x00RRGGBB
  int width = 0;
  int height = 0;
};

// What a GDI canvas needs of a bitmap it draws: the memory DC it is selected into and its pixels.
// Every bitmap of this backend is one.
class GdiDrawable {
 public:
  virtual HDC dc() const = 0;
  virtual const DibView& pixels() const = 0;

 protected:
  ~GdiDrawable() = default;
};

// A Canvas over a GDI device context. It never owns the DC: it selects the DC pen and brush
// and its own font, and puts back the DC's original objects, colours and background mode when
// it goes, so it can wrap a WM_PAINT DC for the length of one paint.
class GdiCanvas final : public Canvas {
 public:
  explicit GdiCanvas(HDC dc, const DibView* dib = nullptr);
  ~GdiCanvas() override;
  GdiCanvas(const GdiCanvas&) = delete;
  GdiCanvas& operator=(const GdiCanvas&) = delete;

  HDC dc() const { return dc_; }

  void setPenColor(Color c) override;
  Color penColor() const override { return penColor_; }
  void setPenStyle(PenStyle s) override;
  PenStyle penStyle() const override { return penStyle_; }
  void setBrushColor(Color c) override;
  Color brushColor() const override { return brushColor_; }
  void setBrushStyle(BrushStyle s) override;
  BrushStyle brushStyle() const override { return brushStyle_; }
  void setFont(const Font& f) override;
  const Font& font() const override { return font_; }

  void fillRect(const Rect& r) override;
  void rectangle(const Rect& r) override;
  void roundRect(const Rect& r, int ellipseWidth, int ellipseHeight) override;
  void moveTo(int x, int y) override;
  void lineTo(int x, int y) override;

  int drawText(std::string_view text, Rect& r, unsigned flags) override;
  Size textExtent(std::string_view text) override;

  void draw(int x, int y, const Bitmap& bitmap) override;
  void drawOpaque(int x, int y, const Bitmap& bitmap) override;

  Color resolve(Color c) const override;
  Color pixel(int x, int y) const override;

 private:
  void selectFont();
  void blit(int x, int y, const Bitmap& bitmap, bool useTransparency);
  void drawSeeThrough(int x, int y, const DibView& source, HDC sourceDc, Color seeThrough);

  HDC dc_;
  const DibView* dib_;  // not owned: the bitmap selected into dc_, when it is one of ours
  HGDIOBJ originalPen_;
  HGDIOBJ originalBrush_;
  HGDIOBJ originalFont_ = nullptr;
  COLORREF originalPenColor_;
  COLORREF originalBrushColor_;
  COLORREF originalTextColor_;
  int originalBackgroundMode_;

  // GDI's defaults: a black pen and a white brush.
  static constexpr Color kDefaultPenColor = 0;
  static constexpr Color kDefaultBrushColor = 0x00FFFFFF;
  Color penColor_ = kDefaultPenColor;
  PenStyle penStyle_ = PenStyle::kSolid;
  Color brushColor_ = kDefaultBrushColor;
  BrushStyle brushStyle_ = BrushStyle::kSolid;
  Font font_;
  UniqueFont gdiFont_;
  bool fontSelected_ = false;
};

}  // namespace graphics::win32
