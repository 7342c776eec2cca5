#pragma once
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

#include "toolkit/application.h"
#include "toolkit/thread.h"

// Drives workers step by step from a test, on both backends.
namespace thread_steps {

// A worker's sleep that ends only when the test lets it, so that its steps come when the test
// says and not when a clock does.
class StepGate {
 public:
  toolkit::ThreadOptions options() {
    toolkit::ThreadOptions o;
    o.sleep = [this](std::chrono::milliseconds) {
      std::unique_lock lock(mutex_);
      ++begun_;
      changed_.notify_all();
      changed_.wait(lock, [&] { return allowed_ > 0; });
      --allowed_;
    };
    return o;
  }
  // Lets that many more sleeps end.
  void open(int sleeps = 1) {
    const std::lock_guard lock(mutex_);
    allowed_ += sleeps;
    changed_.notify_all();
  }
  // Until `count` sleeps have begun: the worker is then inside the last of them or past it.
  void waitUntilBegun(int count) {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] { return begun_ >= count; });
  }
  int begun() {
    const std::lock_guard lock(mutex_);
    return begun_;
  }

 private:
  std::mutex mutex_;
  std::condition_variable changed_;
  int begun_ = 0;
  int allowed_ = 0;
};

// Runs the event loop until `ready` holds; false if it does not within a time far beyond what
// any step here takes, so that a broken step fails the test instead of hanging it.
inline bool pumpUntil(const std::function<bool()>& ready) {
  const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(30);
  while (toolkit::application::processMessages(), !ready()) {
    if (std::chrono::steady_clock::now() > giveUp) return false;
    std::this_thread::sleep_for(std::chrono::microseconds(200));
  }
  return true;
}

// A worker's body that sleeps and hands `tick` over until it is asked to terminate.
inline toolkit::Thread::Body tickingBody(std::function<void()> tick) {
  return [tick = std::move(tick)](toolkit::ThreadContext& worker) {
    while (!worker.terminated()) {
      worker.sleep(std::chrono::milliseconds(30));
      worker.synchronize(tick);
    }
  };
}

inline toolkit::ThreadOptions noSleep() {
  toolkit::ThreadOptions options;
  options.sleep = [](std::chrono::milliseconds) {};
  return options;
}

}  // namespace thread_steps
