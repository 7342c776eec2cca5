#pragma once
#include <string_view>

#include "graphics/canvas.h"
#include "graphics/font.h"
#include "widgets/lb_button_types.h"
#include "widgets/lb_colors.h"

namespace widgets {

// Draws the whole face of a speed button, W x H, onto canvas from these arguments alone:
// background, frame, caption, glyph frame and, with a popup menu, the drop-down arrow. The
// canvas is expected to belong to a fresh W x H bitmap with a solid black pen and a solid
// brush; for transparent faces and the bsModern, bsShape and bsQuicken styles it must already
// be filled with kFaceKeyColor, which stays wherever the face leaves the background alone.
// The pen, brush and font are left as the last step set them. Throws what loading the arrow
// bitmap throws, after the rest of the face is drawn.
void PaintButtonFace(graphics::Canvas& canvas, int width, int height, TAlignment alignment,
                     std::string_view caption, TLbSpeedButtonLayout layout, const graphics::Font& font,
                     TColor shadowColor, TColor lightColor, TColor hotTrackColor, TColor colorWhenDown,
                     TColor color, TLbSpeedButtonStyle style, bool hasPopupMenu, bool wordWrap, bool flat,
                     bool enabled, bool transparent, bool mouseInside, bool down,
                     const graphics::Bitmap& glyph, int numGlyphs, int fadeStep);

// Fills (left, top, right, bottom) with 32 horizontal bands going from topColor towards
// bottomColor; the last band lands on the bottom edge, so bottomColor itself never shows. An
// empty or upside-down rectangle gets nothing. The pen style is kept.
void FillGradientBands(graphics::Canvas& canvas, TColor topColor, TColor bottomColor, int left, int top,
                       int right, int bottom);

// Mixes hotTrackColor into color by fadeStep parts in kFadeSteps (0 gives color, kFadeSteps
// hotTrackColor); steps outside that range count as the nearest end. System colours are
// resolved through the canvas.
TColor BlendHotTrackColor(const graphics::Canvas& canvas, TColor color, TColor hotTrackColor, int fadeStep);

// Draws the frameWidth x frameHeight part of the glyph strip that starts at (sourceX, sourceY)
// with its top-left corner at (x, y), leaving out the colour of the frame's lower-left pixel.
void DrawGlyphFrame(graphics::Canvas& canvas, const graphics::Bitmap& glyph, int x, int y, int sourceX,
                    int sourceY, int frameWidth, int frameHeight);

}  // namespace widgets
