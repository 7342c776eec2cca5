// The one-shot check hangs on a timer: one the system refuses must not pass unnoticed.
#include <windows.h>

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "toolkit/application.h"
#include "toolkit/form.h"
#include "toolkit/timer.h"

namespace toolkit {
namespace {

// Takes every timer the system will give this thread, up to far more than any limit known.
class AllTimersTaken {
 public:
  AllTimersTaken() {
    constexpr std::size_t kFarBeyondAnyLimit = 200'000;
    while (taken_.size() < kFarBeyondAnyLimit) {
      const UINT_PTR id = SetTimer(nullptr, 0, 600'000, nullptr);
      if (id == 0) break;
      taken_.push_back(id);
    }
    exhausted_ = taken_.size() < kFarBeyondAnyLimit;
  }
  AllTimersTaken(const AllTimersTaken&) = delete;
  AllTimersTaken& operator=(const AllTimersTaken&) = delete;
  ~AllTimersTaken() {
    for (const UINT_PTR id : taken_) KillTimer(nullptr, id);
  }
  bool exhausted() const { return exhausted_; }

 private:
  std::vector<UINT_PTR> taken_;
  bool exhausted_ = false;
};

bool ticksWithin(Timer& timer, DWORD timeoutMs) {
  bool ticked = false;
  timer.onTimer = [&](Component&) { ticked = true; };
  const ULONGLONG end = GetTickCount64() + timeoutMs;
  while (!ticked && GetTickCount64() < end) {
    application::processMessages();
    Sleep(5);
  }
  return ticked;
}

TEST(Timer, AStartTheSystemRefusesIsAnErrorAndLeavesTheTimerOff) {
  FormOptions options;
  options.clientWidth = 50;
  options.clientHeight = 50;
  Form form(options);
  Timer timer(&form);
  timer.setEnabled(false);
  timer.setInterval(10);
  {
    const AllTimersTaken all;
    ASSERT_TRUE(all.exhausted()) << "the system never ran out of timers";
    EXPECT_THROW(timer.setEnabled(true), std::runtime_error);
    EXPECT_FALSE(timer.enabled());
  }
  // Once timers are free again, the same timer starts and ticks.
  timer.setEnabled(true);
  EXPECT_TRUE(timer.enabled());
  EXPECT_TRUE(ticksWithin(timer, 3000));
  timer.setEnabled(false);
}

}  // namespace
}  // namespace toolkit
