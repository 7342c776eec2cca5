#pragma once
#include <functional>
#include <memory>

#include "platform/form.h"

namespace platform {

// A timer that ticks every `interval` milliseconds while enabled; ticks run on the GUI thread.
class Timer {
 public:
  Timer(Form& owner, unsigned intervalMs);
  Timer(const Timer&) = delete;
  Timer& operator=(const Timer&) = delete;
  ~Timer();

  // Starting throws when the system has no timer left to give; the timer then stays disabled.
  void setEnabled(bool enabled);
  bool enabled() const { return enabled_; }
  unsigned interval() const { return interval_; }

  std::function<void()> onTimer;

  // Called by the backend at each tick.
  void tick();

  struct Impl;

 private:
  unsigned interval_;
  bool enabled_ = false;
  std::unique_ptr<Impl> impl_;
};

}  // namespace platform
