#include "memory_sampler.h"

#include <windows.h>
// After windows.h; PSAPI_VERSION 2 maps the call to kernel32's K32GetProcessMemoryInfo, so no
// psapi.dll is imported.
#include <psapi.h>

#include <algorithm>

namespace bench {

std::uint64_t privateBytes() {
  PROCESS_MEMORY_COUNTERS_EX counters{};
  counters.cb = sizeof counters;
  if (!K32GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                               sizeof counters)) {
    return 0;
  }
  // Wine 8 leaves PrivateUsage at 0 but keeps PagefileUsage, which Windows sets to the same
  // figure (the commit charge), current: both count the process's private pages.
  return counters.PrivateUsage != 0 ? counters.PrivateUsage : counters.PagefileUsage;
}

MemorySampler::MemorySampler() : peak_(privateBytes()) {
  thread_ = std::thread([this] {
    while (!stop_.load()) {
      const std::uint64_t now = privateBytes();
      std::uint64_t seen = peak_.load();
      while (now > seen && !peak_.compare_exchange_weak(seen, now)) {
      }
      Sleep(1);
    }
  });
}

std::uint64_t MemorySampler::finish() {
  if (thread_.joinable()) {
    stop_.store(true);
    thread_.join();
    peak_.store(std::max(peak_.load(), privateBytes()));
  }
  return peak_.load();
}

MemorySampler::~MemorySampler() {
  finish();
}

}  // namespace bench
