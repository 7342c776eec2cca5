#pragma once
#include "graphics/color.h"

namespace graphics::headless {

// GetSysColor for the host: Windows' classic default scheme, so that host and Wine agree.
// Indices beyond the table give black, as GetSysColor does.
Color systemColor(int index);

}  // namespace graphics::headless
