#include "toolkit/timer.h"

#include <windows.h>

#include <map>
#include <stdexcept>

#include "toolkit/win32/toolkit.h"

namespace toolkit {
namespace {

std::map<UINT_PTR, Timer*>& liveTimers() {
  static std::map<UINT_PTR, Timer*> timers;
  return timers;
}

void tickTimer(UINT_PTR id) {
  const auto it = liveTimers().find(id);
  if (it != liveTimers().end()) it->second->tick();
}

}  // namespace

struct Timer::Impl {
  UINT_PTR id = 0;
};

Timer::Timer(Component* owner) : Component(owner), impl_(std::make_unique<Impl>()) {
  restart();
}

Timer::~Timer() {
  enabled_ = false;
  restart();
}

void Timer::restart() {
  if (impl_->id) {
    KillTimer(nullptr, impl_->id);
    liveTimers().erase(impl_->id);
    impl_->id = 0;
  }
  if (!running()) return;
  const UINT_PTR id = SetTimer(nullptr, 0, interval_, win32::guardedTimerProc<tickTimer>);
  // A timer that never ticks would leave its handler waiting for good with nothing said.
  if (id == 0) throw std::runtime_error("Not enough timers available");
  try {
    liveTimers()[id] = this;
  } catch (...) {
    KillTimer(nullptr, id);
    throw;
  }
  impl_->id = id;
}

}  // namespace toolkit
