#pragma once
#include "platform/canvas.h"

namespace bench {

enum class FrameLook { kUp, kHot, kDown, kUpWithMenu };

// One whole frame of the main window's gold button, 108 x 31, as the control makes it: a new
// off-screen bitmap, the key-colour fill, the face, and the see-through copy onto screen.
void paintGoldFrame(platform::Canvas& screen, FrameLook look);

// The same frame without the face: what making and copying the bitmap costs alone.
void copyEmptyFrame(platform::Canvas& screen);

}  // namespace bench
