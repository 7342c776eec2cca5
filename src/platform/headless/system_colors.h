#pragma once
#include "platform/color.h"

namespace platform::headless {

// GetSysColor for the host: Windows' classic default scheme, so that host and Wine agree.
// Indices beyond the table give black, as GetSysColor does.
Color systemColor(int index);

}  // namespace platform::headless
