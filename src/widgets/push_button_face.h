#pragma once
#include <string_view>

#include "platform/canvas.h"

namespace widgets {

// The classic raised push button: a 3-D frame on the button-face colour, the caption centred
// on one line, sunk one pixel while down, embossed grey while disabled.
void paintPushButtonFace(platform::Canvas& canvas, int width, int height, std::string_view caption,
                         const platform::Font& font, bool enabled, bool down);

}  // namespace widgets
