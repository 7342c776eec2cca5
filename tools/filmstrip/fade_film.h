#pragma once
#include <memory>
#include <vector>

#include "graphics/canvas.h"

namespace filmstrip {

struct Film {
  std::unique_ptr<graphics::Bitmap> strip;  // the hot frame, then one frame per tick
  std::vector<int> fadeSteps;               // FadeStep of each frame
};

// Makes the main window's gold button hot, lets the pointer go and records the frame that the
// real control draws at each tick of its fade worker, as the worker delivers them.
Film recordFade();

}  // namespace filmstrip
