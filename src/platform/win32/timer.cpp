#include "platform/timer.h"

#include <windows.h>

#include <map>
#include <stdexcept>

namespace platform {
namespace {

std::map<UINT_PTR, Timer*>& liveTimers() {
  static std::map<UINT_PTR, Timer*> timers;
  return timers;
}

void CALLBACK timerProc(HWND, UINT, UINT_PTR id, DWORD) {
  const auto it = liveTimers().find(id);
  if (it != liveTimers().end()) it->second->tick();
}

}  // namespace

struct Timer::Impl {
  UINT_PTR id = 0;
};

Timer::Timer(Form&, unsigned intervalMs) : interval_(intervalMs), impl_(std::make_unique<Impl>()) {}

Timer::~Timer() {
  setEnabled(false);
}

void Timer::setEnabled(bool enabled) {
  if (enabled == enabled_) return;
  if (enabled) {
    const UINT_PTR id = SetTimer(nullptr, 0, interval_, timerProc);
    // A timer that never ticks would leave its handler waiting for good with nothing said.
    if (id == 0) throw std::runtime_error("Not enough timers available");
    try {
      liveTimers()[id] = this;
    } catch (...) {
      KillTimer(nullptr, id);
      throw;
    }
    impl_->id = id;
  } else if (impl_->id) {
    KillTimer(nullptr, impl_->id);
    liveTimers().erase(impl_->id);
    impl_->id = 0;
  }
  enabled_ = enabled;
}

}  // namespace platform
