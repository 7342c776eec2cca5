#pragma once
#include <atomic>
#include <cstdint>
#include <thread>

namespace bench {

// The process's private memory in bytes right now.
std::uint64_t privateBytes();

// Watches the process's private memory from a thread of its own while it lives, and keeps the
// highest figure seen. The system's own peak counter will not do: under Wine it is only the
// current figure.
class MemorySampler {
 public:
  MemorySampler();
  MemorySampler(const MemorySampler&) = delete;
  MemorySampler& operator=(const MemorySampler&) = delete;
  ~MemorySampler();

  // Stops watching; the highest private memory seen since construction.
  std::uint64_t finish();

 private:
  std::atomic<bool> stop_{false};
  std::atomic<std::uint64_t> peak_;
  std::thread thread_;
};

}  // namespace bench
