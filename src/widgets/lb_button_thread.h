#pragma once
#include <chrono>
#include <functional>
#include <memory>

#include "toolkit/thread.h"

namespace widgets {

// The worker that times a speed button's fade: every 30 ms it hands OnTick to the GUI thread
// and waits until it has run there. It never touches the button itself. Made parked and
// marked to free itself when it ends; an owner that keeps it turns that mark off.
class TLbButtonThread {
 public:
  using TickEvent = std::function<void(TLbButtonThread& sender)>;
  static constexpr std::chrono::milliseconds kTickInterval{30};

  explicit TLbButtonThread(TickEvent onTick, toolkit::ThreadOptions options = {});
  TLbButtonThread(const TLbButtonThread&) = delete;
  TLbButtonThread& operator=(const TLbButtonThread&) = delete;
  ~TLbButtonThread();

  // Read and written on the GUI thread only, where the ticks run.
  TickEvent& onTick() { return ticking_->onTick; }

  toolkit::Thread& thread() { return thread_; }
  const toolkit::Thread& thread() const { return thread_; }

 private:
  // What the worker's body uses: kept alive by the body itself, since a worker that frees
  // itself may outlive this handle.
  struct Ticking {
    TickEvent onTick;
    TLbButtonThread* sender;  // none once the handle has gone
  };
  std::shared_ptr<Ticking> ticking_;
  toolkit::Thread thread_;  // last: stopped before what it uses goes
};

}  // namespace widgets
