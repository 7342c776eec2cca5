#include "toolkit/offset_canvas.h"

namespace toolkit {

int OffsetCanvas::drawText(std::string_view text, graphics::Rect& r, unsigned flags) {
  graphics::Rect there = moved(r);
  const int height = target_.drawText(text, there, flags);
  r = there.offset(-origin_.x, -origin_.y);  // a measured extent comes back in our coordinates
  return height;
}

}  // namespace toolkit
