#include "toolkit/thread.h"

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>

#include "toolkit/guarded.h"
#include "toolkit/thread_handoff.h"

namespace toolkit {

struct ThreadContext::State {
  explicit State(SleepFunction sleepFunction)
      : hub(handoff::hub()), sleep(sleepFunction ? std::move(sleepFunction) : realSleep) {}

  const std::shared_ptr<handoff::Hub> hub;
  const SleepFunction sleep;
  // Everything below is guarded by the hub's lock.
  std::condition_variable wake;  // resumed, or a call it handed over has run
  bool parked = true;
  bool holding = false;  // waiting at a park point
  bool terminateRequested = false;
  bool ended = false;
  bool freeOnTerminate = false;
};

namespace {

using State = ThreadContext::State;
using Lock = std::unique_lock<std::mutex>;

void holdWhileParked(State& s, Lock& lock) {
  if (!s.parked) return;
  s.holding = true;
  s.hub->changed.notify_all();
  s.wake.wait(lock, [&] { return !s.parked; });
  s.holding = false;
}

void resumeLocked(State& s) {
  if (!s.parked || s.ended) return;
  s.parked = false;
  ++s.hub->runningWorkers;
  s.wake.notify_all();
}

void parkLocked(State& s) {
  if (s.parked || s.ended) return;
  s.parked = true;
  --s.hub->runningWorkers;
  s.hub->changed.notify_all();
}

// The worker cannot go on until someone resumes it, and only the GUI thread does.
bool stuck(const State& s) {
  return s.parked && s.holding;
}

// Parking and resuming fail in the system only where its lock does.
template <class Step>
void systemStep(Step&& step) {
  try {
    step();
  } catch (const std::system_error& e) {
    throw ThreadError::system(e);
  }
}

}  // namespace

ThreadError ThreadError::creation(const std::system_error& cause) {
  return ThreadError("Thread creation error: " + cause.code().message());
}

ThreadError ThreadError::system(const std::system_error& cause) {
  return ThreadError("Thread Error: " + cause.code().message() + " (" + std::to_string(cause.code().value()) +
                     ")");
}

void realSleep(std::chrono::milliseconds duration) {
  std::this_thread::sleep_for(duration);
}

bool ThreadContext::terminated() {
  Lock lock(state_.hub->mutex);
  holdWhileParked(state_, lock);
  return state_.terminateRequested;
}

void ThreadContext::sleep(std::chrono::milliseconds duration) {
  {
    Lock lock(state_.hub->mutex);
    holdWhileParked(state_, lock);
  }
  state_.sleep(duration);
}

void ThreadContext::synchronize(const std::function<void()>& call) {
  Lock lock(state_.hub->mutex);
  holdWhileParked(state_, lock);
  if (!call) return;
  bool done = false;
  handoff::post(*state_.hub, {[&call] { call(); }, &done, &state_.wake});
  state_.wake.wait(lock, [&] { return done; });
  holdWhileParked(state_, lock);
}

Thread::Thread(Body body, ThreadOptions options) : state_(std::make_shared<State>(std::move(options.sleep))) {
  if (!options.launch) options.launch = ThreadOptions{}.launch;
  try {
    handoff::bindGuiThread(*state_->hub);
    // The thread's entry, which the system calls: nothing may unwind out of it. What the body
    // throws goes to the GUI thread's report; anything else is reported from here.
    system_ =
        options.launch(std::function<void()>([state = state_, body = std::move(body)]() mutable noexcept {
          runGuarded([&] { workerMain(state, body); });
        }));
  } catch (const std::system_error& e) {
    throw ThreadError::creation(e);
  }
}

void Thread::workerMain(const std::shared_ptr<State>& state, Body& body) {
  State& s = *state;
  {
    Lock lock(s.hub->mutex);
    holdWhileParked(s, lock);
  }
  ThreadContext context(s);
  std::exception_ptr failure;
  try {
    body(context);
  } catch (...) {
    failure = std::current_exception();
  }
  body = nullptr;  // what the body holds goes before anyone learns that the worker has ended
  const Lock lock(s.hub->mutex);
  if (failure) {
    // Not lost with the thread: the GUI thread reports it as it would one from its own handlers.
    // Moved, so that the exception is freed there and not raced for by the two threads.
    handoff::post(*s.hub, {[failure = std::move(failure)] { std::rethrow_exception(failure); }});
  }
  if (!s.parked) --s.hub->runningWorkers;
  std::erase(s.hub->letGoWorkers, &s.terminateRequested);
  s.ended = true;
  s.hub->changed.notify_all();
}

Thread::~Thread() {
  State& s = *state_;
  bool letGo;
  {
    const Lock lock(s.hub->mutex);
    // Dropped by its own body, or inside a call it handed over, the handle cannot wait for
    // the worker's end: the worker is told to end and frees itself when it does.
    const bool cannotWait =
        system_.get_id() == std::this_thread::get_id() || handoff::waitsForARunningCall(*s.hub, s.wake);
    letGo = s.freeOnTerminate || cannotWait;
    if (cannotWait || (letGo && s.parked)) {
      s.terminateRequested = true;
      resumeLocked(s);
    }
    if (letGo && !s.ended) s.hub->letGoWorkers.push_back(&s.terminateRequested);
  }
  if (letGo) {
    if (system_.joinable()) system_.detach();
    return;
  }
  for (;;) {
    {
      const Lock lock(s.hub->mutex);
      s.terminateRequested = true;
      resumeLocked(s);
    }
    try {
      waitFor();
      break;
    } catch (const std::logic_error&) {
      // parked again by a call it handed over while ending: resume it once more
    }
  }
  if (system_.joinable()) system_.join();
}

void Thread::resume() {
  systemStep([&] {
    const Lock lock(state_->hub->mutex);
    resumeLocked(*state_);
  });
}

void Thread::park() {
  systemStep([&] {
    const Lock lock(state_->hub->mutex);
    parkLocked(*state_);
  });
}

void Thread::terminate() {
  const Lock lock(state_->hub->mutex);
  state_->terminateRequested = true;
}

bool Thread::parked() const {
  const Lock lock(state_->hub->mutex);
  return state_->parked && !state_->ended;
}

bool Thread::terminationRequested() const {
  const Lock lock(state_->hub->mutex);
  return state_->terminateRequested;
}

bool Thread::ended() const {
  const Lock lock(state_->hub->mutex);
  return state_->ended;
}

void Thread::waitFor() {
  if (system_.get_id() == std::this_thread::get_id())
    throw std::logic_error("A thread cannot wait for its own end");
  State& s = *state_;
  handoff::Hub& hub = *s.hub;
  {
    const Lock lock(hub.mutex);
    if (handoff::waitsForARunningCall(hub, s.wake)) {
      throw std::logic_error("A thread cannot be waited for inside a call it handed over");
    }
  }
  const auto settled = [&] { return s.ended || stuck(s); };
  if (handoff::onGuiThread(hub)) {
    handoff::serveUntil(hub, settled);
    handoff::runPending(hub);  // among them what a failed body left for the error report
  }
  Lock lock(hub.mutex);
  hub.changed.wait(lock, settled);  // off the GUI thread, which runs the calls meanwhile
  if (!s.ended) throw std::logic_error("The thread is parked and would never end");
}

bool Thread::freeOnTerminate() const {
  const Lock lock(state_->hub->mutex);
  return state_->freeOnTerminate;
}

void Thread::setFreeOnTerminate(bool on) {
  const Lock lock(state_->hub->mutex);
  state_->freeOnTerminate = on;
}

bool endLetGoWorkers(std::chrono::milliseconds bound) {
  handoff::Hub& hub = *handoff::hub();
  const auto giveUp = std::chrono::steady_clock::now() + bound;
  const bool onGui = handoff::onGuiThread(hub);
  Lock lock(hub.mutex);
  for (bool* terminate : hub.letGoWorkers) *terminate = true;
  for (;;) {
    // A worker waiting for its call to run ends only once the call has run.
    const bool changed = hub.changed.wait_until(
        lock, giveUp, [&] { return hub.letGoWorkers.empty() || (onGui && !hub.calls.empty()); });
    if (hub.letGoWorkers.empty()) return true;
    if (!changed) return false;
    lock.unlock();
    handoff::runPending(hub);
    lock.lock();
  }
}

int exitCodeAfterWorkers(int exitCode) {
  if (endLetGoWorkers(kLetGoWorkersBound)) return exitCode;
  std::fflush(nullptr);
  std::_Exit(exitCode);
}

}  // namespace toolkit
