#include "toolkit/timer.h"

#include <algorithm>

#include "toolkit/headless/in_process_driver.h"
#include "toolkit/headless/ui_state.h"

namespace toolkit {

struct Timer::Impl {};

Timer::Timer(Component* owner) : Component(owner), impl_(std::make_unique<Impl>()) {
  headless::uiState().timers.push_back(this);
}

Timer::~Timer() {
  std::erase(headless::uiState().timers, this);
}

// tickTimers() stands for the system's timer: it ticks every timer, and a tick does nothing
// while the timer is not running.
void Timer::restart() {}

}  // namespace toolkit
