#pragma once
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

// The GUI thread's side of the thread service: the queue of calls that workers hand over, and
// the two hooks through which a backend's event loop learns of them. Platform layer only.
namespace toolkit::handoff {

// A call waiting for the GUI thread. For a synchronous hand-off `done` and `signal` belong to
// the waiting worker, which outlives the call's stay in the queue.
struct Call {
  std::function<void()> run;
  bool* done = nullptr;
  std::condition_variable* signal = nullptr;
};

// One lock guards the queue and the state of every worker: a park made by a handed-over call
// is then in force before its worker can see that the call has run.
struct Hub {
  std::mutex mutex;
  // A call arrived, or a worker parked, started waiting at a park point or ended.
  std::condition_variable changed;
  std::deque<Call> calls;
  // Held while a thread binds itself as the GUI thread; taken before `mutex`, never inside it.
  std::mutex binding;
  std::thread::id guiThread;
  bool guiBound = false;
  bool wakePending = false;
  // The workers whose calls are running now, by their signal; nested calls stack up.
  std::vector<const std::condition_variable*> waitingWorkers;
  int runningWorkers = 0;  // resumed, not parked and not ended
  // The workers that their handles let go and that have not ended, by their terminate flags.
  std::vector<bool*> letGoWorkers;
};

// Implemented by each backend. `prepareWake` runs on the GUI thread when it is bound and may
// throw std::system_error. `wake` is called from any thread with the lock held and must not
// block: it makes the event loop call wakeReceived() soon, false when it cannot.
void prepareWake();
bool wake();

// Workers keep it alive, so that one still running past the end of main finds it intact.
const std::shared_ptr<Hub>& hub();

// With the lock held: whether the worker waits for a call that is running now, below the caller.
bool waitsForARunningCall(const Hub& hub, const std::condition_variable& workerSignal);
// On the thread that makes a worker: the first one to do so becomes the GUI thread, once
// `prepare` (the backend's prepareWake by default) has succeeded there. What `prepare` throws
// leaves the service unbound, and the next worker's thread tries again.
void bindGuiThread(Hub& hub, void (*prepare)() = prepareWake);
// Takes the lock.
bool onGuiThread(Hub& hub);
// From a worker, with the lock held: queues the call and wakes the event loop.
void post(Hub& hub, Call call);
// GUI thread: runs the calls queued now, in order; the lock must not be held.
void runPending(Hub& hub);
// GUI thread: runs calls as they arrive until `done` holds, which is evaluated with the lock
// held; calls still queued then are left for the event loop.
void serveUntil(Hub& hub, const std::function<bool()>& done);

}  // namespace toolkit::handoff

namespace toolkit {

// The event loop's entry points, on the GUI thread: run the calls handed over so far.
void runHandedOffCalls();
// As above, for the message that wake() sent.
void wakeReceived();
// Runs handed-over calls as they arrive until `stop()` holds or no running worker is left that
// could hand one over. `stop` is evaluated with the service's lock held.
void serveHandedOffCalls(const std::function<bool()>& stop);

}  // namespace toolkit
