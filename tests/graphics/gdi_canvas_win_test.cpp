// A GdiCanvas wrapped around a DC it does not own gives the DC back as it found it.
#include <gtest/gtest.h>

#include "graphics/win32/gdi_bitmap.h"
#include "graphics/win32/gdi_canvas.h"

namespace graphics::win32 {
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

// A DC the canvas does not own has no pixels in reach: the see-through copy goes through a
// scratch bitmap and must still leave the key colour's pixels alone, also at the edges.
TEST(GdiCanvas, CopiesSeeThroughIntoAForeignDc) {
  GdiBitmap target(4, 3);
  target.canvas().setBrushColor(0x00112233);
  target.canvas().fillRect({0, 0, 4, 3});
  GdiBitmap sprite(3, 2);
  sprite.canvas().setBrushColor(0x00FF00FF);
  sprite.canvas().fillRect({0, 0, 3, 2});
  sprite.canvas().setBrushColor(0x00445566);
  sprite.canvas().fillRect({1, 0, 2, 2});
  sprite.canvas().fillRect({2, 1, 3, 2});
  sprite.setTransparentColor(0x00FF00FF);
  {
    GdiCanvas foreign(target.dc());
    foreign.draw(2, 1, sprite);  // the last column falls outside
  }
  const char* expected[] = {"....", "...o", "...o"};
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 4; ++x) {
      EXPECT_EQ(target.canvas().pixel(x, y), expected[y][x] == 'o' ? 0x00445566u : 0x00112233u)
          << x << ", " << y;
    }
  }
  EXPECT_EQ(GetModuleHandleA("msimg32.dll"), nullptr);
}

}  // namespace
}  // namespace graphics::win32
