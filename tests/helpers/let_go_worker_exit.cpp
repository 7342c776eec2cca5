// Lets a worker go while it runs and returns from main while the worker still throws and
// catches: the exit must wait for it, as the runtime that goes after main takes with it, on
// i686, the tables that unwind exceptions. The window in which a throw finds no tables is short,
// so the program runs itself many times over and fails when any run does not end with 0 (an
// abort ends with 3).
//
//   let_go_worker_exit          every run below, in processes of their own
//   let_go_worker_exit once     the worker goes on throwing for a while after it is told to end
//   let_go_worker_exit stuck    the worker never asks whether it is to end
#include <windows.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <stdexcept>
#include <string>
#include <string_view>
#include <thread>

#include "testing/child_process.h"
#include "toolkit/thread.h"

namespace {

constexpr int kRuns = 12;

std::atomic<bool> started{false};

void throwAndCatch() {
  try {
    throw std::runtime_error("thrown on the worker");
  } catch (const std::runtime_error&) {
  }
}

int letGoAndReturn(bool stuck) {
  {
    toolkit::Thread worker([stuck](toolkit::ThreadContext& context) {
      started = true;
      if (stuck) {
        for (;;) throwAndCatch();
      }
      while (!context.terminated()) throwAndCatch();
      const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(300);
      while (std::chrono::steady_clock::now() < until) throwAndCatch();
    });
    worker.setFreeOnTerminate(true);
    worker.resume();
    while (!started) std::this_thread::yield();
  }
  return toolkit::exitCodeAfterWorkers(0);
}

// The exit code of this program run with `argument`.
long runOwn(const char* argument) {
  char self[MAX_PATH];
  const DWORD length = GetModuleFileNameA(nullptr, self, MAX_PATH);
  test_support::ChildProcess run(test_support::ChildProcess::Program{std::string(self, length)}, argument);
  return run.waitExit();
}

}  // namespace

int main(int argc, char** argv) {
  const std::string_view mode = argc > 1 ? argv[1] : "";
  if (mode == "once" || mode == "stuck") return letGoAndReturn(mode == "stuck");
  int failed = 0;
  for (int run = 0; run <= kRuns; ++run) {
    const char* argument = run < kRuns ? "once" : "stuck";
    const long code = runOwn(argument);
    std::printf("%s: exit code %ld\n", argument, code);
    if (code != 0) ++failed;
  }
  std::printf("%d of %d runs failed\n", failed, kRuns + 1);
  return failed == 0 ? 0 : 1;
}
