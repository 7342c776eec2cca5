#pragma once
#include <memory>

#include "toolkit/component.h"
#include "toolkit/events.h"

namespace toolkit {

// A timer that ticks every `interval` milliseconds while enabled; ticks run on the GUI thread.
// A new one is enabled with an interval of 1000 ms; it does not tick while it is being loaded.
class Timer : public Component {
 public:
  // What a new timer does, which its window description need not store.
  static constexpr bool kDefaultEnabled = true;
  static constexpr unsigned kDefaultInterval = 1000;

  explicit Timer(Component* owner);
  Timer(const Timer&) = delete;
  Timer& operator=(const Timer&) = delete;
  ~Timer() override;

  // Starting throws when the system has no timer left to give; the timer then stays disabled.
  void setEnabled(bool enabled);
  bool enabled() const { return enabled_; }
  // Starts the count again with the new interval; 0 stops the ticks.
  void setInterval(unsigned intervalMs);
  unsigned interval() const { return interval_; }

  NotifyEvent onTimer;

  // Called by the backend at each tick.
  void tick();

  struct Impl;

 protected:
  void loaded() override { restart(); }

 private:
  bool running() const { return enabled_ && interval_ > 0 && !loading(); }
  // The backend's part: stops the system's timer, then starts it again while running().
  void restart();

  unsigned interval_ = kDefaultInterval;
  bool enabled_ = kDefaultEnabled;
  std::unique_ptr<Impl> impl_;
};

}  // namespace toolkit
