#include "platform/canvas.h"

#include <stdexcept>
#include <string>

namespace platform {

void requireBitmapSize(int width, int height) {
  if (width < 0 || height < 0 || width > kMaxBitmapSide || height > kMaxBitmapSide) {
    throw std::invalid_argument("Bitmap size " + std::to_string(width) + " x " + std::to_string(height) +
                                " is outside 0 to " + std::to_string(kMaxBitmapSide));
  }
}

}  // namespace platform
