#include "platform/thread.h"

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <vector>

#include "platform/thread_handoff.h"
#include "thread_steps.h"

namespace platform {
namespace {

using namespace std::chrono_literals;
using thread_steps::noSleep;
using thread_steps::pumpUntil;
using thread_steps::sleepingWith;
using thread_steps::StepGate;
using thread_steps::tickingBody;

TEST(Thread, HandedOverCallsRunOnTheGuiThreadOnceEachInOrderBeforeTheHandOffReturns) {
  struct Case {
    const char* name;
    ThreadOptions options;
    int handOffs;
  };
  const Case cases[] = {{"injected sleep", noSleep(), 40}, {"real 30 ms sleep", ThreadOptions{}, 3}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const auto gui = std::this_thread::get_id();
    std::vector<int> ran[2];  // GUI thread only
    std::atomic<int> lastRun[2] = {-1, -1};
    std::atomic<int> offThread{0}, returnedEarly{0};
    const auto body = [&](int w) {
      return [&, w](ThreadContext& worker) {
        for (int i = 0; i < c.handOffs; ++i) {
          worker.sleep(30ms);
          worker.synchronize([&, w, i] {
            if (std::this_thread::get_id() != gui) ++offThread;
            ran[w].push_back(i);
            lastRun[w] = i;
          });
          if (lastRun[w] != i) ++returnedEarly;
        }
      };
    };
    Thread a(body(0), c.options);
    Thread b(body(1), c.options);
    a.resume();
    b.resume();
    a.waitFor();
    b.waitFor();

    std::vector<int> expected;
    for (int i = 0; i < c.handOffs; ++i) expected.push_back(i);
    EXPECT_EQ(ran[0], expected);
    EXPECT_EQ(ran[1], expected);
    EXPECT_EQ(offThread, 0);
    EXPECT_EQ(returnedEarly, 0);
  }
}

TEST(Thread, CallsOfSeveralWorkersRunInTheOrderTheyWereHandedOver) {
  const auto queued = [] {
    handoff::Hub& hub = *handoff::hub();
    const std::lock_guard lock(hub.mutex);
    return hub.calls.size();
  };
  std::vector<char> ran;
  const auto body = [&](char name) {
    return [&, name](ThreadContext& w) { w.synchronize([&, name] { ran.push_back(name); }); };
  };
  for (const char* order : {"abc", "cab", "bca"}) {
    SCOPED_TRACE(order);
    ran.clear();
    std::vector<std::unique_ptr<Thread>> workers;
    for (std::size_t i = 0; i < 3; ++i)
      workers.push_back(std::make_unique<Thread>(body(order[i]), noSleep()));
    for (std::size_t i = 0; i < 3; ++i) {
      workers[i]->resume();
      while (queued() < i + 1) std::this_thread::yield();  // nothing is run until all are queued
    }
    application::processMessages();
    EXPECT_EQ(std::string(ran.begin(), ran.end()), order);
  }
}

// Whether the worker holds is read from the wait: it refuses to wait for a worker that is
// parked at a park point, and otherwise runs its hand-offs until it ends.
TEST(Thread, AParkIssuedDuringAHandOffHoldsTheWorkerBeforeItLooksAtAnythingElse) {
  std::atomic<int> sleeps{0}, afterHandOff{0};
  int ticks = 0;
  Thread* self = nullptr;
  Thread worker(
      [&](ThreadContext& w) {
        while (!w.terminated()) {
          w.sleep(30ms);
          w.synchronize([&] {
            if (++ticks == 3) self->park();
          });
          ++afterHandOff;
        }
      },
      sleepingWith([&](std::chrono::milliseconds) { ++sleeps; }));
  self = &worker;
  worker.resume();
  ASSERT_TRUE(pumpUntil([&] { return ticks == 3; }));
  EXPECT_TRUE(worker.parked());

  worker.terminate();
  EXPECT_THROW(worker.waitFor(), std::logic_error);
  EXPECT_EQ(ticks, 3);
  EXPECT_EQ(afterHandOff, 2);  // still inside the third hand-off
  EXPECT_EQ(sleeps, 3);

  worker.park();  // parking is not counted: one resume sets it going again
  worker.park();
  worker.resume();
  worker.waitFor();
  EXPECT_EQ(afterHandOff, 3);
  EXPECT_EQ(ticks, 3);
}

TEST(Thread, AParkIssuedWhileTheWorkerSleepsHoldsItBeforeItHandsOver) {
  StepGate gate;
  int ticks = 0;
  Thread worker(tickingBody([&] { ++ticks; }), sleepingWith(gate.sleep()));
  worker.resume();
  gate.waitUntilBegun(1);
  worker.park();
  worker.terminate();
  gate.open();
  EXPECT_THROW(worker.waitFor(), std::logic_error);
  EXPECT_EQ(ticks, 0);

  worker.resume();
  worker.waitFor();  // the sleep that had begun is followed by its hand-off
  EXPECT_EQ(ticks, 1);
}

TEST(Thread, AWorkerIsCreatedParkedAndItsBodyBeginsAtTheFirstResume) {
  std::atomic<bool> began{false};
  Thread worker(
      [&](ThreadContext& w) {
        began = true;
        while (!w.terminated()) w.sleep(30ms);
      },
      noSleep());
  EXPECT_TRUE(worker.parked());
  worker.terminate();
  EXPECT_THROW(worker.waitFor(), std::logic_error);
  EXPECT_FALSE(began);
  worker.resume();
  EXPECT_FALSE(worker.parked());
  worker.waitFor();
  EXPECT_TRUE(began);
  EXPECT_TRUE(worker.ended());
  EXPECT_FALSE(worker.parked());
}

// The wait keeps running what any worker hands over; otherwise this deadlocks: the ending
// worker sleeps until the other worker's fifth call, which only the waiting GUI thread can run.
TEST(Thread, WaitingForAWorkerToEndRunsTheCallsThatWorkersHandOverMeanwhile) {
  StepGate gate;
  int endingTicks = 0, otherTicks = 0;
  Thread ending(tickingBody([&] { ++endingTicks; }), sleepingWith(gate.sleep()));
  Thread other(tickingBody([&] {
                 if (++otherTicks == 5) gate.open();
               }),
               noSleep());
  ending.resume();
  gate.waitUntilBegun(1);
  ending.terminate();
  other.resume();
  ending.waitFor();
  EXPECT_EQ(endingTicks, 1);  // its sleep had begun, so its tick was still handed over
  EXPECT_GE(otherTicks, 5);
}

TEST(Thread, FreeOnTerminateLetsTheHandleGoWhileTheWorkerFinishesAndFreesItself) {
  enum class At { kNeverResumed, kParked, kSleeping, kHandingOver };
  const At places[] = {At::kNeverResumed, At::kParked, At::kSleeping, At::kHandingOver};
  for (const bool freeOnTerminate : {false, true}) {
    for (const At at : places) {
      SCOPED_TRACE(testing::Message()
                   << "free on terminate " << freeOnTerminate << ", at " << static_cast<int>(at));
      StepGate gate;
      auto held = std::make_shared<int>(0);
      const std::weak_ptr<int> watch = held;
      std::atomic<int> handingOver{0};
      auto worker = std::make_unique<Thread>(
          [held = std::move(held), &handingOver](ThreadContext& w) {
            while (!w.terminated()) {
              w.sleep(30ms);
              ++handingOver;
              w.synchronize([] {});
            }
          },
          sleepingWith(gate.sleep()));
      worker->setFreeOnTerminate(freeOnTerminate);
      EXPECT_EQ(worker->freeOnTerminate(), freeOnTerminate);
      if (at != At::kNeverResumed) worker->resume();
      if (at == At::kParked) {
        gate.open();
        gate.waitUntilBegun(1);
        worker->park();
      } else if (at == At::kSleeping) {
        gate.waitUntilBegun(1);
      } else if (at == At::kHandingOver) {
        gate.open();
        while (handingOver == 0) std::this_thread::yield();
      }
      if (!freeOnTerminate) {
        gate.open(1000);
        worker.reset();
        EXPECT_TRUE(watch.expired());  // the handle ended the worker before it went
        continue;
      }
      // A running one is told to end and let go; a parked one is told by the handle as it goes.
      const bool running = at == At::kSleeping || at == At::kHandingOver;
      if (running) worker->terminate();
      worker.reset();
      if (running) {
        EXPECT_FALSE(watch.expired());  // carries on: it cannot end while its sleep or hand-off lasts
      }
      gate.open(1000);
      EXPECT_TRUE(pumpUntil([&] { return watch.expired(); }));
    }
  }
}

// Inside a call that the worker handed over, its end cannot come before the call returns; on the
// worker itself, never. The handle, dropped there, lets the worker end and free itself.
TEST(Thread, AWaitThatCouldNeverEndIsRefused) {
  auto held = std::make_shared<int>(0);
  const std::weak_ptr<int> watch = held;
  std::atomic<bool> refusedOnWorker{false};
  bool refusedInsideCall = false;
  std::unique_ptr<Thread> worker;
  worker = std::make_unique<Thread>(
      [&, held = std::move(held)](ThreadContext& w) {
        try {
          worker->waitFor();
        } catch (const std::logic_error&) {
          refusedOnWorker = true;
        }
        w.synchronize([&] {
          try {
            worker->waitFor();
          } catch (const std::logic_error&) {
            refusedInsideCall = true;
          }
          worker.reset();
        });
        while (!w.terminated()) w.sleep(30ms);
      },
      noSleep());
  worker->resume();
  EXPECT_TRUE(pumpUntil([&] { return watch.expired(); }));
  EXPECT_TRUE(refusedOnWorker);
  EXPECT_TRUE(refusedInsideCall);
}

TEST(Thread, FailuresCarryTheTextsOfTheErrorReport) {
  const std::system_error busy(std::make_error_code(std::errc::resource_unavailable_try_again));
  EXPECT_STREQ(ThreadError::system(busy).what(), "Thread Error: Resource temporarily unavailable (11)");

  auto held = std::make_shared<int>(0);
  const std::weak_ptr<int> watch = held;
  ThreadOptions failing;
  failing.launch = [&](std::function<void()>) -> std::thread { throw busy; };
  try {
    const Thread worker([held = std::move(held)](ThreadContext&) {}, failing);
    ADD_FAILURE() << "a thread that could not start was made";
  } catch (const ThreadError& e) {
    EXPECT_STREQ(e.what(), "Thread creation error: Resource temporarily unavailable");
  }
  EXPECT_TRUE(watch.expired());
}

// Create, resume, park, terminate and free in every order the control uses, many times over:
// every hand-off made is run once, and nothing hangs (or, under the sanitizers, races or leaks).
TEST(Thread, StressOfCreateResumeParkTerminateAndFree) {
#ifdef _WIN32
  constexpr int kCycles = 500;
#else
  constexpr int kCycles = 3000;
#endif
  std::atomic<int> handedOver{0};
  int ran = 0;
  for (int cycle = 0; cycle < kCycles; ++cycle) {
    int ticks = 0;
    Thread* self = nullptr;
    auto worker = std::make_unique<Thread>(
        [&](ThreadContext& w) {
          while (!w.terminated()) {
            w.sleep(30ms);
            ++handedOver;
            w.synchronize([&] {
              ++ran;
              if (++ticks == 2 && cycle % 4 == 3) self->park();
            });
          }
        },
        noSleep());
    self = worker.get();
    switch (cycle % 4) {
      case 0:
        worker->resume();
        ASSERT_TRUE(pumpUntil([&] { return ticks >= 1; }));
        worker->park();
        worker->resume();
        worker->terminate();
        worker->waitFor();
        break;
      case 1:
        worker->resume();
        worker->terminate();
        worker->waitFor();
        break;
      case 2:
        break;  // freed without ever running
      case 3:
        worker->resume();
        ASSERT_TRUE(pumpUntil([&] { return worker->parked(); }));
        worker->resume();
        break;  // freed while running
    }
    worker.reset();
    ASSERT_EQ(handedOver, ran) << "cycle " << cycle;
  }
}

}  // namespace
}  // namespace platform
