// Host figures through Google Benchmark, over the headless canvas.
#include <benchmark/benchmark.h>

#include "gold_frame.h"

namespace {

void goldFrame(benchmark::State& state, bench::FrameLook look) {
  const auto screen = graphics::createBitmap(240, 70);
  for (auto _ : state) {
    bench::paintGoldFrame(screen->canvas(), look);
    benchmark::DoNotOptimize(screen->canvas().pixel(50, 15));
  }
}

void goldFrameAt200(benchmark::State& state) {
  const auto screen = graphics::createBitmap(240, 70);
  for (auto _ : state) {
    bench::paintGoldFrame(screen->canvas(), bench::FrameLook::kUp, 192);
    benchmark::DoNotOptimize(screen->canvas().pixel(50, 15));
  }
}

void emptyFrame(benchmark::State& state) {
  const auto screen = graphics::createBitmap(240, 70);
  for (auto _ : state) {
    bench::copyEmptyFrame(screen->canvas());
    benchmark::DoNotOptimize(screen->canvas().pixel(50, 15));
  }
}

void arrowLoad(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(graphics::loadBitmapResource("LBARROW"));
}

void controlFrame(benchmark::State& state) {
  bench::GoldButtonWindow window;
  for (auto _ : state) window.frame();
}

void controlEnterAndLeave(benchmark::State& state) {
  bench::GoldButtonWindow window;
  for (auto _ : state) window.enterAndLeave();
}

BENCHMARK_CAPTURE(goldFrame, up, bench::FrameLook::kUp)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(goldFrame, hot, bench::FrameLook::kHot)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(goldFrame, down, bench::FrameLook::kDown)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(goldFrame, up_with_menu, bench::FrameLook::kUpWithMenu)->Unit(benchmark::kMicrosecond);
BENCHMARK(goldFrameAt200)->Unit(benchmark::kMicrosecond);
BENCHMARK(arrowLoad)->Unit(benchmark::kMicrosecond);
BENCHMARK(emptyFrame)->Unit(benchmark::kMicrosecond);
BENCHMARK(controlFrame)->Unit(benchmark::kMicrosecond);
BENCHMARK(controlEnterAndLeave)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
