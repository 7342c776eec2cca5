// A fade worker whose handle is let go while it runs, as TLbButtonThread allows when it is left
// to free itself: it must still end, on both backends.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <optional>

#include "testing/thread_steps.h"
#include "widgets/lb_button_thread.h"

namespace widgets {
namespace {

TEST(FadeWorker, ARunningWorkerLeftToFreeItselfEndsWhenItsHandleGoes) {
  // What the worker holds goes when it ends: its sleep function, and this with it.
  auto held = std::make_shared<std::atomic<int>>(0);
  const std::weak_ptr<std::atomic<int>> whileRunning = held;
  toolkit::ThreadOptions options;
  options.sleep = [held = std::move(held)](std::chrono::milliseconds) {
    ++*held;
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  };
  int ticks = 0;
  std::optional<TLbButtonThread> worker;
  worker.emplace([&ticks](TLbButtonThread&) { ++ticks; }, std::move(options));
  ASSERT_TRUE(worker->thread().freeOnTerminate());
  worker->thread().resume();
  ASSERT_TRUE(thread_steps::pumpUntil([&] { return ticks >= 2; }));
  worker.reset();
  const int ticksWhenLetGo = ticks;

  EXPECT_TRUE(thread_steps::pumpUntil([&] { return whileRunning.expired(); }))
      << "the worker still wakes: " << whileRunning.lock()->load() << " sleeps";
  EXPECT_EQ(ticks, ticksWhenLetGo) << "no tick reaches a handle that has gone";
}

}  // namespace
}  // namespace widgets
