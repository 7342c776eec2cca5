#pragma once
#include <cstdint>
#include <limits>
#include <memory>
#include <optional>
#include <string_view>

#include "graphics/color.h"
#include "graphics/font.h"
#include "graphics/geometry.h"

namespace graphics {

// DrawText flags, with the values of the Windows API so that callers can pass them through.
enum DrawTextFlags : unsigned {
  kDtLeft = 0x0,
  kDtCenter = 0x1,
  kDtRight = 0x2,
  kDtVCenter = 0x4,
  kDtSingleLine = 0x20,
  kDtWordBreak = 0x10,
  kDtCalcRect = 0x400,
  kDtNoPrefix = 0x800,
};

enum class PenStyle { kSolid, kClear };
enum class BrushStyle { kSolid, kClear };

class Bitmap;

// A drawing surface with GDI's conventions: a rectangle (l, t, r, b) covers columns l..r-1 and
// rows t..b-1; Rectangle and RoundRect outline with a one-pixel pen on the outer columns and
// rows and fill inside unless the brush is clear (with a clear pen the fill stops one pixel
// short of the right and bottom edges); LineTo excludes its end point; the later paint wins.
class Canvas {
 public:
  virtual ~Canvas() = default;

  virtual void setPenColor(Color c) = 0;
  virtual Color penColor() const = 0;
  virtual void setPenStyle(PenStyle s) = 0;
  virtual PenStyle penStyle() const = 0;
  virtual void setBrushColor(Color c) = 0;
  virtual Color brushColor() const = 0;
  virtual void setBrushStyle(BrushStyle s) = 0;
  virtual BrushStyle brushStyle() const = 0;
  virtual void setFont(const Font& f) = 0;
  virtual const Font& font() const = 0;

  // Paints r with the brush colour, whatever the brush style.
  virtual void fillRect(const Rect& r) = 0;
  virtual void rectangle(const Rect& r) = 0;
  virtual void roundRect(const Rect& r, int ellipseWidth, int ellipseHeight) = 0;
  virtual void moveTo(int x, int y) = 0;
  virtual void lineTo(int x, int y) = 0;

  // DrawTextA: "&" marks an accelerator unless kDtNoPrefix; text is drawn in the font colour on a
  // transparent background. With kDtCalcRect nothing is drawn and r receives the laid-out extent.
  // Returns the height of the drawn text.
  virtual int drawText(std::string_view text, Rect& r, unsigned flags) = 0;
  // GetTextExtentPoint32A: the raw text, no prefix processing.
  virtual Size textExtent(std::string_view text) = 0;

  // Draws the bitmap with its top-left corner at (x, y), leaving its transparent colour's
  // pixels untouched when the bitmap is transparent.
  virtual void draw(int x, int y, const Bitmap& bitmap) = 0;
  // Copies every pixel of the bitmap, whatever its transparency setting.
  virtual void drawOpaque(int x, int y, const Bitmap& bitmap) = 0;

  // The current RGB value of a colour; system colours (top byte 0xFF) are looked up.
  virtual Color resolve(Color c) const = 0;

  // Exact pixel access, for tests and for the automatic transparent colour; kInvalidPixel
  // outside the surface.
  virtual Color pixel(int x, int y) const = 0;
};

// What pixel() gives for a point outside the surface (GetPixel's CLR_INVALID).
inline constexpr Color kInvalidPixel = 0xFFFFFFFF;

// An off-screen bitmap with its own canvas.
class Bitmap {
 public:
  virtual ~Bitmap() = default;
  virtual int width() const = 0;
  virtual int height() const = 0;
  // Keeps the top-left part; new area is black. Throws std::invalid_argument like createBitmap.
  virtual void setSize(int width, int height) = 0;
  virtual Canvas& canvas() = 0;
  virtual const Canvas& canvas() const = 0;

  // Transparency used when this bitmap is drawn: none, a fixed colour, or automatic (the colour
  // of the lower-left pixel at the time of drawing).
  void setTransparentColor(Color c);
  void setAutoTransparent();
  void setOpaque();
  // The colour left out when the bitmap is drawn, resolved to RGB: the fixed colour, or the
  // lower-left pixel when automatic; none when opaque or empty.
  std::optional<Color> seeThroughColor() const;

  // A copy of the pixels and of the transparency setting, with a fresh canvas.
  virtual std::unique_ptr<Bitmap> clone() const = 0;

 protected:
  Bitmap() = default;
  // Copies only the transparency setting: a backend's copy makes its own surface and canvas.
  Bitmap(const Bitmap& other) = default;
  Bitmap& operator=(const Bitmap&) = delete;

 private:
  enum class Transparency { kOpaque, kFixed, kAutomatic };
  Transparency transparency_ = Transparency::kOpaque;
  Color transparentColor_ = 0;
};

// A new bitmap of the given size, 32 bits per pixel, backed by the current backend, all black.
// Throws std::invalid_argument for a negative size or one beyond kMaxBitmapSide.
std::unique_ptr<Bitmap> createBitmap(int width, int height);
inline constexpr int kMaxBitmapSide = 16384;
// So a bitmap's pixels, 4 bytes each, fit a 32-bit size: the backends' products of its sides
// (offsets, lengths, byte counts) cannot wrap on i686.
static_assert(std::uint64_t{kMaxBitmapSide} * kMaxBitmapSide * 4 <= std::numeric_limits<std::int32_t>::max());
// The size check that createBitmap and Bitmap::setSize make.
void requireBitmapSize(int width, int height);

// A bitmap resource of the program's own image, by name; throws std::runtime_error when missing.
std::unique_ptr<Bitmap> loadBitmapResource(std::string_view name);

}  // namespace graphics
