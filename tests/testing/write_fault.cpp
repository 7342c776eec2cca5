#include "testing/write_fault.h"

#include <algorithm>
#include <mutex>
#include <utility>

#include "platform/write_filter.h"

namespace test_support {
namespace {

struct WriteFault {
  std::uint64_t remaining = 0;
  WriteFaultKind kind = WriteFaultKind::kFail;
  std::function<void()> atLimit;
};

std::mutex faultMutex;
WriteFault fault;

platform::WriteAllowance allowWrite(std::size_t wanted) {
  platform::WriteAllowance allowance;
  const std::lock_guard lock(faultMutex);
  allowance.write = static_cast<std::size_t>(std::min<std::uint64_t>(wanted, fault.remaining));
  fault.remaining -= allowance.write;
  if (allowance.write < wanted) {
    if (fault.kind == WriteFaultKind::kFail) {
      allowance.fail = true;
    } else {
      allowance.pretend = wanted - allowance.write;
    }
    // The write loop runs it after the lock is gone: a helper that blocks in it to be killed
    // mid-write must not hold the lock.
    allowance.atLimit = std::exchange(fault.atLimit, nullptr);
  }
  return allowance;
}

}  // namespace

void injectWriteFault(std::uint64_t limit, WriteFaultKind kind, std::function<void()> atLimit) {
  const std::lock_guard lock(faultMutex);
  fault = WriteFault{limit, kind, std::move(atLimit)};
  platform::writeFilter() = allowWrite;
}

void clearWriteFault() {
  const std::lock_guard lock(faultMutex);
  platform::writeFilter() = nullptr;
  fault = WriteFault{};
}

}  // namespace test_support
