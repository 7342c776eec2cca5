#include "toolkit/thread_handoff.h"

#include <algorithm>

#include "toolkit/guarded.h"

namespace toolkit {
namespace handoff {

const std::shared_ptr<Hub>& hub() {
  static const std::shared_ptr<Hub> instance = std::make_shared<Hub>();
  return instance;
}

void bindGuiThread(Hub& h, void (*prepare)()) {
  // Not std::call_once: winpthreads' pthread_once, below it in the MinGW builds, keeps its flag
  // set when the call throws, and every later call would then wait for ever.
  const std::lock_guard binding(h.binding);
  {
    const std::lock_guard lock(h.mutex);
    if (h.guiBound) return;
  }
  prepare();
  const std::lock_guard lock(h.mutex);
  h.guiThread = std::this_thread::get_id();
  h.guiBound = true;
}

bool waitsForARunningCall(const Hub& h, const std::condition_variable& workerSignal) {
  return std::find(h.waitingWorkers.begin(), h.waitingWorkers.end(), &workerSignal) != h.waitingWorkers.end();
}

bool onGuiThread(Hub& h) {
  const std::lock_guard lock(h.mutex);
  return h.guiBound && h.guiThread == std::this_thread::get_id();
}

void post(Hub& h, Call call) {
  h.calls.push_back(std::move(call));
  h.changed.notify_all();
  // One wake in flight is enough: the loop runs everything queued when it arrives.
  if (!h.wakePending) h.wakePending = wake();
}

namespace {

// Tells a synchronous caller that its call has run, however the run ended.
class CompletionSignal {
 public:
  CompletionSignal(Hub& h, const Call& call) : hub_(h), call_(call) {}
  CompletionSignal(const CompletionSignal&) = delete;
  CompletionSignal& operator=(const CompletionSignal&) = delete;
  ~CompletionSignal() {
    if (!call_.done) return;
    const std::lock_guard lock(hub_.mutex);
    hub_.waitingWorkers.pop_back();
    *call_.done = true;
    call_.signal->notify_all();  // under the lock: the worker may end and go once it sees done
  }

 private:
  Hub& hub_;
  const Call& call_;
};

}  // namespace

void runPending(Hub& h) {
  // Only what is queued now: a worker that hands over again at once must not keep the event
  // loop from its other messages. One call at a time, so that a call which itself waits for
  // a worker finds the rest of the queue still there to run.
  std::size_t left;
  {
    const std::lock_guard lock(h.mutex);
    left = h.calls.size();
  }
  for (; left > 0; --left) {
    Call call;
    {
      const std::lock_guard lock(h.mutex);
      if (h.calls.empty()) return;
      call = std::move(h.calls.front());
      h.calls.pop_front();
      if (call.done) h.waitingWorkers.push_back(call.signal);
    }
    const CompletionSignal completion(h, call);
    runGuarded(call.run);
  }
}

void serveUntil(Hub& h, const std::function<bool()>& done) {
  for (;;) {
    {
      std::unique_lock lock(h.mutex);
      h.changed.wait(lock, [&] { return !h.calls.empty() || done(); });
      if (done()) return;
    }
    runPending(h);
  }
}

}  // namespace handoff

void runHandedOffCalls() {
  handoff::runPending(*handoff::hub());
}

void wakeReceived() {
  handoff::Hub& h = *handoff::hub();
  {
    const std::lock_guard lock(h.mutex);
    h.wakePending = false;
  }
  handoff::runPending(h);
}

void serveHandedOffCalls(const std::function<bool()>& stop) {
  handoff::Hub& h = *handoff::hub();
  handoff::serveUntil(h, [&] { return h.runningWorkers == 0 || stop(); });
}

}  // namespace toolkit
