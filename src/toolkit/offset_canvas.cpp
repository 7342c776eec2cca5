#include "toolkit/offset_canvas.h"

namespace platform {

int OffsetCanvas::drawText(std::string_view text, Rect& r, unsigned flags) {
  Rect there = moved(r);
  const int height = target_.drawText(text, there, flags);
  r = there.offset(-origin_.x, -origin_.y);  // a measured extent comes back in our coordinates
  return height;
}

}  // namespace platform
