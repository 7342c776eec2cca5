#include "toolkit/timer.h"

#include "toolkit/guarded.h"

namespace toolkit {

void Timer::setEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  try {
    restart();
  } catch (...) {
    enabled_ = false;  // a timer the system refused is not running
    throw;
  }
}

void Timer::setInterval(unsigned intervalMs) {
  if (intervalMs == interval_) return;
  interval_ = intervalMs;
  restart();
}

void Timer::tick() {
  if (running() && onTimer) runGuarded([&] { onTimer(*this); });
}

}  // namespace toolkit
