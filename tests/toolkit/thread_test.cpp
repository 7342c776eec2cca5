#include "toolkit/thread.h"

#include <gtest/gtest.h>

#include <atomic>
#include <future>
#include <memory>
#include <numeric>
#include <string>
#include <vector>

#include "testing/thread_steps.h"
#include "toolkit/thread_handoff.h"

namespace toolkit {
namespace {

using namespace std::chrono_literals;
using thread_steps::noSleep;
using thread_steps::pumpUntil;
using thread_steps::StepGate;
using thread_steps::tickingBody;

TEST(Thread, HandedOverCallsRunOnTheGuiThreadInOrderBeforeTheHandOffReturns) {
  struct Case {
    const char* name;
    ThreadOptions options;
    int handOffs;
  };
  for (const Case& c :
       {Case{"injected sleep", noSleep(), 40}, Case{"real 30 ms sleep", ThreadOptions{}, 3}}) {
    SCOPED_TRACE(c.name);
    const auto gui = std::this_thread::get_id();
    std::vector<int> ran;  // GUI thread only
    std::atomic<int> lastRun{-1}, wrong{0};
    Thread worker(
        [&](ThreadContext& w) {
          for (int i = 0; i < c.handOffs; ++i) {
            w.sleep(30ms);
            w.synchronize([&, i] {
              if (std::this_thread::get_id() != gui) ++wrong;
              ran.push_back(i);
              lastRun = i;
            });
            if (lastRun != i) ++wrong;  // returned before its call ran
          }
        },
        c.options);
    worker.resume();
    worker.waitFor();
    std::vector<int> expected(static_cast<std::size_t>(c.handOffs));
    std::iota(expected.begin(), expected.end(), 0);
    EXPECT_EQ(ran, expected);
    EXPECT_EQ(wrong, 0);
  }
}

TEST(Thread, CallsOfSeveralWorkersRunInTheOrderTheyWereHandedOver) {
  const auto queued = [] {
    const std::lock_guard lock(handoff::hub()->mutex);
    return handoff::hub()->calls.size();
  };
  std::string ran;
  for (const std::string order : {"abc", "cab", "bca"}) {
    ran.clear();
    std::vector<std::unique_ptr<Thread>> workers;
    for (const char name : order) {
      workers.push_back(std::make_unique<Thread>(
          [&, name](ThreadContext& w) { w.synchronize([&, name] { ran += name; }); }, noSleep()));
      workers.back()->resume();
      while (queued() < workers.size()) std::this_thread::yield();  // none runs before all are queued
    }
    application::processMessages();
    EXPECT_EQ(ran, order);
  }
}

// Whether a worker holds is read from the wait, which refuses a worker parked at a park point
// and otherwise runs its hand-offs until it ends.
TEST(Thread, AParkTakesEffectBeforeTheWorkersNextStep) {
  {
    SCOPED_TRACE("created parked, the body begins at the first resume");
    std::atomic<bool> began{false};
    Thread worker([&](ThreadContext&) { began = true; }, noSleep());
    EXPECT_TRUE(worker.parked());
    worker.terminate();
    EXPECT_THROW(worker.waitFor(), std::logic_error);
    EXPECT_FALSE(began);
    worker.resume();
    worker.waitFor();
    EXPECT_FALSE(worker.parked());
    EXPECT_TRUE(worker.ended());
  }
  {
    SCOPED_TRACE("parked during a hand-off, it holds before it returns");
    StepGate gate;
    gate.open(1000);
    std::atomic<int> afterHandOff{0};
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
        gate.options());
    self = &worker;
    worker.resume();
    ASSERT_TRUE(pumpUntil([&] { return ticks == 3; }));
    EXPECT_TRUE(worker.parked());
    worker.terminate();
    EXPECT_THROW(worker.waitFor(), std::logic_error);
    EXPECT_EQ(afterHandOff, 2);
    EXPECT_EQ(gate.begun(), 3);
    worker.park();  // parking is not counted: one resume sets it going again
    worker.resume();
    worker.waitFor();
    EXPECT_EQ(afterHandOff, 3);
    EXPECT_EQ(ticks, 3);
  }
  {
    SCOPED_TRACE("parked while it sleeps, it holds before it hands over");
    StepGate gate;
    int ticks = 0;
    Thread worker(tickingBody([&] { ++ticks; }), gate.options());
    worker.resume();
    gate.waitUntilBegun(1);
    worker.park();
    worker.terminate();
    gate.open();
    EXPECT_THROW(worker.waitFor(), std::logic_error);
    EXPECT_EQ(ticks, 0);
    worker.resume();
    worker.waitFor();  // a sleep that has begun is followed by its hand-off
    EXPECT_EQ(ticks, 1);
  }
}

// The wait keeps running what any worker hands over; otherwise this deadlocks: the ending
// worker sleeps until the other worker's fifth call, which only the waiting GUI thread can run.
TEST(Thread, WaitingForAWorkerToEndRunsTheCallsThatWorkersHandOverMeanwhile) {
  StepGate gate;
  int endingTicks = 0, otherTicks = 0;
  Thread ending(tickingBody([&] { ++endingTicks; }), gate.options());
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

// Without free-on-terminate the handle ends the worker before it goes. With it, a running one
// is told to end and let go; a parked one is told by the handle as it goes.
TEST(Thread, FreeOnTerminateLetsTheHandleGoWhileTheWorkerFinishesAndFreesItself) {
  for (const bool freeOnTerminate : {false, true}) {
    for (const bool parked : {false, true}) {
      SCOPED_TRACE(testing::Message() << "free on terminate " << freeOnTerminate << ", parked " << parked);
      StepGate gate;
      auto held = std::make_shared<int>(0);
      const std::weak_ptr<int> watch = held;
      auto worker = std::make_unique<Thread>(
          [held = std::move(held), body = tickingBody([] {})](ThreadContext& w) { body(w); }, gate.options());
      worker->setFreeOnTerminate(freeOnTerminate);
      worker->resume();
      gate.waitUntilBegun(1);
      if (parked) worker->park();
      if (!freeOnTerminate) {
        gate.open(1000);
        worker.reset();
        EXPECT_TRUE(watch.expired());
        continue;
      }
      if (!parked) worker->terminate();
      worker.reset();
      EXPECT_FALSE(watch.expired());  // still inside its first sleep
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

// Before the program exits, the workers that their handles let go are asked to end and waited
// for, their hand-offs run meanwhile; one that cannot end in time is not waited for further.
TEST(Thread, TheExitEndsTheWorkersThatWereLetGoWithinItsBound) {
  for (const bool stuck : {false, true}) {
    SCOPED_TRACE(stuck ? "stuck in a sleep" : "handing over");
    StepGate gate;
    auto held = std::make_shared<int>(0);
    const std::weak_ptr<int> watch = held;
    auto worker = std::make_unique<Thread>(
        [held = std::move(held), body = tickingBody([] {})](ThreadContext& w) { body(w); },
        stuck ? gate.options() : noSleep());
    worker->setFreeOnTerminate(true);
    worker->resume();
    if (stuck) gate.waitUntilBegun(1);
    worker.reset();
    EXPECT_EQ(endLetGoWorkers(stuck ? 50ms : 10s), !stuck);
    EXPECT_EQ(watch.expired(), !stuck);
    gate.open(1000);
    EXPECT_TRUE(pumpUntil([&] { return watch.expired(); }));
  }
}

// A failed preparation of the wake-up leaves the service unbound, and the next worker's thread
// binds it: it must not find the first try's failure waiting for it.
TEST(Thread, AFailedBindingOfTheGuiThreadIsTriedAgain) {
  const auto hub = std::make_shared<handoff::Hub>();
  EXPECT_THROW(handoff::bindGuiThread(
                   *hub, [] { throw std::system_error(std::make_error_code(std::errc::not_enough_memory)); }),
               std::system_error);
  EXPECT_FALSE(handoff::onGuiThread(*hub));
  const auto bound = std::make_shared<std::promise<bool>>();
  std::thread next([hub, bound] {
    handoff::bindGuiThread(*hub, [] {});
    bound->set_value(handoff::onGuiThread(*hub));
  });
  auto onNext = bound->get_future();
  if (onNext.wait_for(10s) != std::future_status::ready) {
    next.detach();  // stuck for good; it holds what it uses
    FAIL() << "the second try waits for ever";
  }
  next.join();
  EXPECT_TRUE(onNext.get());
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
}  // namespace toolkit
