// Windows figures: Google Benchmark is not built for MinGW, so frames are timed in a loop
// against the empty frame as the baseline, in the same run.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

#include "gold_frame.h"

namespace {

constexpr int kRounds = 7;
constexpr int kFramesPerRound = 500;
constexpr double kFadeStepMicroseconds = 30000.0;

// The median of several rounds, in microseconds per frame.
double microsecondsPerFrame(const std::function<void()>& frame) {
  for (int i = 0; i < 50; ++i) frame();
  std::vector<double> rounds;
  for (int round = 0; round < kRounds; ++round) {
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < kFramesPerRound; ++i) frame();
    const std::chrono::duration<double, std::micro> spent = std::chrono::steady_clock::now() - start;
    rounds.push_back(spent.count() / kFramesPerRound);
  }
  std::sort(rounds.begin(), rounds.end());
  return rounds[rounds.size() / 2];
}

void report(const char* name, double us) {
  std::printf("%-28s %9.1f us/frame  %5.2f%% of a 30 ms fade step\n", name, us,
              100.0 * us / kFadeStepMicroseconds);
}

}  // namespace

int main() {
  const auto screen = graphics::createBitmap(240, 70);
  graphics::Canvas& c = screen->canvas();
  report("gold frame, up", microsecondsPerFrame([&] { bench::paintGoldFrame(c, bench::FrameLook::kUp); }));
  report("gold frame, hot", microsecondsPerFrame([&] { bench::paintGoldFrame(c, bench::FrameLook::kHot); }));
  report("gold frame, down",
         microsecondsPerFrame([&] { bench::paintGoldFrame(c, bench::FrameLook::kDown); }));
  report("gold frame, up with menu",
         microsecondsPerFrame([&] { bench::paintGoldFrame(c, bench::FrameLook::kUpWithMenu); }));
  report("gold frame, up, at 200%",
         microsecondsPerFrame([&] { bench::paintGoldFrame(c, bench::FrameLook::kUp, 192); }));
  report("popup arrow load alone",
         microsecondsPerFrame([] { (void)graphics::loadBitmapResource("LBARROW"); }));
  report("empty frame (baseline)", microsecondsPerFrame([&] { bench::copyEmptyFrame(c); }));
  bench::GoldButtonWindow window;
  report("control frame onto the panel", microsecondsPerFrame([&] { window.frame(); }));
  report("control enter + leave", microsecondsPerFrame([&] { window.enterAndLeave(); }));
  return 0;
}
