#pragma once
#include <memory>

#include "graphics/canvas.h"

namespace gallery {

// One picture of every button face style in each look, with and without glyph, popup arrow,
// flat frame and transparency, followed by a row per colour style.
std::unique_ptr<graphics::Bitmap> drawGallerySheet();

}  // namespace gallery
