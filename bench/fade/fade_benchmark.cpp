// Figures of the slow fade on the real thread service: an idle worker's wake-ups per second,
// and during fades the interval between ticks and the GUI thread's cost per tick.
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <thread>
#include <vector>

#include "gold_button.h"
#include "toolkit/application.h"
#include "widgets/lb_speed_button.h"

namespace {

using Clock = std::chrono::steady_clock;
using Micros = std::chrono::duration<double, std::micro>;

constexpr int kFades = 20;

void pumpFor(std::chrono::milliseconds span) {
  const auto end = Clock::now() + span;
  while (Clock::now() < end) {
    toolkit::application::processMessages();
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
}

double percentile(std::vector<double> v, double p) {
  std::sort(v.begin(), v.end());
  return v[static_cast<std::size_t>(p * static_cast<double>(v.size() - 1))];
}

}  // namespace

int main() {
  gold_button::Window window("Fade benchmark");
  widgets::TLbSpeedButton& button = window.addButton("Faded");

  std::atomic<int> sleeps{0};
  toolkit::ThreadOptions counted;
  counted.sleep = [&](std::chrono::milliseconds d) {
    ++sleeps;
    toolkit::realSleep(d);
  };
  button.setFadeThreadOptions(counted);
  button.setSlowDecease(true);

  // Idle: the worker is parked and should never wake.
  const int idleBefore = sleeps;
  pumpFor(std::chrono::seconds(2));
  std::printf("idle worker wake-ups per second: %.1f\n", (sleeps - idleBefore) / 2.0);

  std::vector<double> intervals;  // ms between consecutive ticks of one fade
  std::vector<double> costs;      // us of GUI time per tick
  Clock::time_point lastTick{};
  widgets::TLbButtonThread::TickEvent& onTick = button.fadeThread()->onTick();
  onTick = [tick = onTick, &costs, &intervals, &lastTick](widgets::TLbButtonThread& sender) {
    const auto start = Clock::now();
    tick(sender);
    const auto end = Clock::now();
    costs.push_back(Micros(end - start).count());
    if (lastTick != Clock::time_point{})
      intervals.push_back(std::chrono::duration<double, std::milli>(start - lastTick).count());
    lastTick = start;
  };
  for (int fade = 0; fade < kFades; ++fade) {
    window.enterAndLeave();
    lastTick = {};
    while (!button.fadeThread()->thread().parked() || button.fadeStep() != 0)
      pumpFor(std::chrono::milliseconds(5));
  }
  std::printf("ticks: %zu in %d fades\n", costs.size(), kFades);
  std::printf("interval between ticks: median %.1f ms, worst %.1f ms (the worker sleeps 30 ms)\n",
              percentile(intervals, 0.5), percentile(intervals, 1.0));
  std::printf("GUI thread per tick: median %.0f us, worst %.0f us\n", percentile(costs, 0.5),
              percentile(costs, 1.0));
  button.setSlowDecease(false);
  return 0;
}
