#include "platform/timer.h"

#include "platform/guarded.h"

namespace platform {

void Timer::tick() {
  if (enabled_ && onTimer) runGuarded(onTimer);
}

}  // namespace platform
