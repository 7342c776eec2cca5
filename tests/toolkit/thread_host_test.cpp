#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>
#include <vector>

#include "testing/thread_steps.h"
#include "toolkit/application.h"
#include "toolkit/headless/in_process_driver.h"
#include "toolkit/thread.h"

namespace toolkit {
namespace {

using thread_steps::noSleep;
using thread_steps::tickingBody;

class HeadlessThread : public ::testing::Test {
 protected:
  void SetUp() override { headless::resetUi(); }
  void TearDown() override { headless::resetUi(); }

  static std::vector<std::string> reports() {
    std::vector<std::string> texts;
    for (const auto& box : headless::shownBoxes()) texts.push_back(box.text);
    return texts;
  }
};

// A failing call is the GUI thread's error, shown like one from an event handler; the worker
// is not killed by it and its hand-off returns as usual. One that leaves the body ends the
// worker, but not silently: it is shown before the wait for the worker's end returns.
TEST_F(HeadlessThread, ExceptionsAreReportedOnTheGuiThreadAndACallsFailureLeavesTheWorkerGoing) {
  std::vector<int> ran;
  std::atomic<int> returned{0};
  Thread worker(
      [&](ThreadContext& w) {
        for (int i = 0; i < 4; ++i) {
          w.synchronize([&, i] {
            ran.push_back(i);
            if (i == 1) throw std::runtime_error("Tick failed");
            if (i == 2) throw 7;
          });
          ++returned;
        }
        throw std::runtime_error("Worker failed");
      },
      noSleep());
  worker.resume();
  worker.waitFor();
  EXPECT_TRUE(worker.ended());
  EXPECT_EQ(ran, (std::vector<int>{0, 1, 2, 3}));
  EXPECT_EQ(returned, 4);
  EXPECT_EQ(reports(), (std::vector<std::string>{"Tick failed.", "Unknown error.", "Worker failed."}));
}

TEST_F(HeadlessThread, TheEventLoopRunsHandedOverCallsUntilTerminationOrUntilNoWorkerRuns) {
  // Ends when the last running worker has ended.
  int ticks = 0;
  Thread finite(
      [&](ThreadContext& w) {
        for (int i = 0; i < 5; ++i) w.synchronize([&] { ++ticks; });
      },
      noSleep());
  finite.resume();
  EXPECT_EQ(application::run(), 0);
  EXPECT_TRUE(finite.ended());
  EXPECT_EQ(ticks, 5);

  // Ends when a call asks the application to terminate, with workers still running.
  int endless = 0, parkedTicks = 0;
  Thread forever(tickingBody([&] {
                   if (++endless == 3) application::terminate();
                 }),
                 noSleep());
  const Thread idle(tickingBody([&] { ++parkedTicks; }), noSleep());  // parked: never hands over
  forever.resume();
  EXPECT_EQ(application::run(), 0);
  EXPECT_EQ(endless, 3);
  EXPECT_FALSE(forever.ended());
  EXPECT_EQ(parkedTicks, 0);
}

}  // namespace
}  // namespace toolkit
