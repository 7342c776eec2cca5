#pragma once
#include <chrono>
#include <functional>
#include <memory>
#include <stdexcept>
#include <system_error>
#include <thread>

// Worker threads for the GUI: a worker starts parked, is parked and resumed by the GUI thread,
// and hands calls synchronously to the GUI thread, whose event loop runs them (modal loops too).
namespace toolkit {

// A failure of the thread service, with the text the error report shows.
class ThreadError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
  // "Thread creation error: <text>": the thread could not be started.
  static ThreadError creation(const std::system_error& cause);
  // "Thread Error: <text> (<number>)": parking or resuming failed in the system.
  static ThreadError system(const std::system_error& cause);
};

using SleepFunction = std::function<void(std::chrono::milliseconds)>;
// What starts the system thread; it may throw std::system_error.
using ThreadLauncher = std::function<std::thread(std::function<void()>)>;

// The system's sleep.
void realSleep(std::chrono::milliseconds duration);

struct ThreadOptions {
  SleepFunction sleep = realSleep;
  ThreadLauncher launch = [](std::function<void()> run) { return std::thread(std::move(run)); };
};

class Thread;

// What a worker's body uses, on the worker. Every call here is a park point: while the worker
// is parked it waits there, so a park is in force before the worker's next step. A hand-off
// is one more park point on its way back: a park issued by the handed-over call holds the
// worker before it returns.
class ThreadContext {
 public:
  ThreadContext(const ThreadContext&) = delete;
  ThreadContext& operator=(const ThreadContext&) = delete;

  bool terminated();
  void sleep(std::chrono::milliseconds duration);
  // Runs `call` on the GUI thread and returns once it has run there. An exception that
  // leaves `call` goes to the application's error report on the GUI thread, as one from an
  // event handler would, and the worker carries on.
  void synchronize(const std::function<void()>& call);

  struct State;

 private:
  friend class Thread;
  explicit ThreadContext(State& state) : state_(state) {}
  State& state_;
};

// One worker, owned by this handle. It is created parked: its body runs from the first
// resume. Park, resume, terminate and wait are the GUI thread's; parking is not counted, so
// one resume always sets a parked worker running.
//
// The GUI thread is the thread that makes the first worker; handed-over calls run there, in
// the order they were handed over.
class Thread {
 public:
  using Body = std::function<void(ThreadContext&)>;

  // Throws ThreadError::creation when the system thread cannot be started.
  explicit Thread(Body body, ThreadOptions options = {});
  Thread(const Thread&) = delete;
  Thread& operator=(const Thread&) = delete;
  // Without free-on-terminate, ends the worker first: asks it to terminate, resumes it and
  // waits for its end while running the calls it hands over. With it, see setFreeOnTerminate;
  // so, too, where no wait could end: inside a call the worker handed over, or on the worker
  // itself, where the worker is asked to terminate and resumed.
  ~Thread();

  void resume();
  void park();
  void terminate();
  bool parked() const;
  bool terminationRequested() const;
  bool ended() const;
  // Waits until the body has returned and what it held is freed. On the GUI thread, the calls
  // that workers hand over meanwhile are run. Throws std::logic_error where the wait would
  // never end: the worker is parked and waiting, it waits for itself, or the wait is inside a
  // call that the worker handed over.
  void waitFor();

  // With free-on-terminate on, the handle may go while the worker runs: it carries on and its
  // thread and body are freed when it ends. A parked one is asked to terminate and resumed as
  // the handle goes, as no one could resume it afterwards. The program's exit asks it to end
  // and waits for it (exitCodeAfterWorkers). Off by default.
  bool freeOnTerminate() const;
  void setFreeOnTerminate(bool on);

 private:
  static void workerMain(const std::shared_ptr<ThreadContext::State>& state, Body& body);

  std::shared_ptr<ThreadContext::State> state_;
  std::thread system_;
};

// How long the program's exit waits for the workers that their handles let go.
inline constexpr std::chrono::milliseconds kLetGoWorkersBound{2000};

// Asks every worker that its handle let go to end, and waits until none runs any more or
// `bound` has passed; true when none runs. On the GUI thread it runs their hand-offs meanwhile.
bool endLetGoWorkers(std::chrono::milliseconds bound);

// For main's return, after everything that makes or holds workers has gone: ends the workers
// that their handles let go (endLetGoWorkers, within kLetGoWorkersBound) and gives back
// `exitCode`. The runtime that goes after main takes with it, on i686, the tables that unwind
// exceptions, while ExitProcess ends the other threads only later: a throw on a worker still
// running then aborts the process. So a worker that does not end in time (blocked in a system
// call, or in a body that never asks whether it is terminated) is not waited for further: the
// process ends here at once with `exitCode`, without tearing its runtime down, and the system
// ends that worker wherever it stands.
int exitCodeAfterWorkers(int exitCode);

}  // namespace toolkit
