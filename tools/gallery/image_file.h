#pragma once
#include <string>

#include "graphics/canvas.h"

namespace gallery {

// Writes the bitmap's pixels to path; throws std::runtime_error when the file cannot be written.
// The host writes PNG, the Windows builds BMP (converted to PNG by the test that runs them).
void writeImage(const graphics::Bitmap& bitmap, const std::string& path);

}  // namespace gallery
