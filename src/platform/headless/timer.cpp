#include "platform/timer.h"

#include <algorithm>

#include "platform/headless/ui_state.h"

namespace platform {

struct Timer::Impl {};

Timer::Timer(Form&, unsigned intervalMs) : interval_(intervalMs), impl_(std::make_unique<Impl>()) {
  headless::uiState().timers.push_back(this);
}

Timer::~Timer() {
  std::erase(headless::uiState().timers, this);
}

void Timer::setEnabled(bool enabled) {
  enabled_ = enabled;
}

}  // namespace platform
