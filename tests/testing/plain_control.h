#pragma once
#include "toolkit/graphic_control.h"

namespace toolkit::testing {

// A graphic control that draws nothing: the base's behaviour alone.
class PlainControl : public GraphicControl {
 public:
  using GraphicControl::GraphicControl;
  void paint(graphics::Canvas&) override {}
};

}  // namespace toolkit::testing
