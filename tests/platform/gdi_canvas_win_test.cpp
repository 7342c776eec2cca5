// A GdiCanvas wrapped around a DC it does not own gives the DC back as it found it.
#include <gtest/gtest.h>

#include "platform/win32/gdi_bitmap.h"
#include "platform/win32/gdi_canvas.h"

namespace platform::win32 {
namespace {

TEST(GdiCanvas, WrapsAForeignDcAndRestoresItsState) {
  GdiBitmap target(20, 20);
  const HDC dc = target.dc();
  // Stand-ins for what a window's paint DC holds before the canvas is made.
  const HGDIOBJ pen = GetCurrentObject(dc, OBJ_PEN);
  const HGDIOBJ brush = GetCurrentObject(dc, OBJ_BRUSH);
  const HGDIOBJ font = GetCurrentObject(dc, OBJ_FONT);
  const COLORREF textColour = GetTextColor(dc);
  const int mode = GetBkMode(dc);
  {
    GdiCanvas canvas(dc);
    canvas.setPenColor(0x000000FF);
    canvas.setBrushColor(0x0000FF00);
    canvas.rectangle({2, 2, 10, 10});
    Font f;
    f.color = 0x00FF0000;
    canvas.setFont(f);
    Rect r{0, 10, 20, 20};
    canvas.drawText("Hi", r, kDtLeft);
    EXPECT_EQ(canvas.pixel(2, 2), 0x000000FFu);  // read back through GetPixel
    EXPECT_EQ(canvas.pixel(5, 5), 0x0000FF00u);
  }
  EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), pen);
  EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), brush);
  EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), font);
  EXPECT_EQ(GetTextColor(dc), textColour);
  EXPECT_EQ(GetBkMode(dc), mode);
  EXPECT_EQ(target.canvas().pixel(9, 9), 0x000000FFu);
}

TEST(GdiBitmap, ImportsOnlyGdiForTransparentCopies) {
  // The see-through copy must not need msimg32: a copy with a transparent colour works in a
  // program that never loaded it.
  EXPECT_EQ(GetModuleHandleA("msimg32.dll"), nullptr);
  GdiBitmap sprite(2, 1);
  sprite.canvas().setBrushColor(0x00FF00FF);
  sprite.canvas().fillRect({0, 0, 1, 1});
  sprite.setTransparentColor(0x00FF00FF);
  GdiBitmap target(2, 1);
  target.canvas().draw(0, 0, sprite);
  EXPECT_EQ(target.canvas().pixel(0, 0), 0u);
  EXPECT_EQ(GetModuleHandleA("msimg32.dll"), nullptr);
}

}  // namespace
}  // namespace platform::win32
