#include <algorithm>
#include <mutex>
#include <utility>

#include "platform/files.h"

namespace platform {
namespace {

struct WriteFault {
  bool armed = false;
  std::uint64_t remaining = 0;
  WriteFaultKind kind = WriteFaultKind::kFail;
  std::function<void()> atLimit;
};

std::mutex faultMutex;
WriteFault fault;

}  // namespace

void injectWriteFault(std::uint64_t limit, WriteFaultKind kind, std::function<void()> atLimit) {
  const std::lock_guard lock(faultMutex);
  fault = WriteFault{true, limit, kind, std::move(atLimit)};
}

void clearWriteFault() {
  const std::lock_guard lock(faultMutex);
  fault = WriteFault{};
}

namespace detail {

WriteAllowance allowWrite(std::size_t wanted) {
  WriteAllowance allowance;
  const std::lock_guard lock(faultMutex);
  if (!fault.armed) {
    allowance.write = wanted;
    return allowance;
  }
  allowance.write = static_cast<std::size_t>(std::min<std::uint64_t>(wanted, fault.remaining));
  fault.remaining -= allowance.write;
  if (allowance.write < wanted) {
    if (fault.kind == WriteFaultKind::kFail) {
      allowance.fail = true;
    } else {
      allowance.pretend = wanted - allowance.write;
    }
    // The backend runs it after the lock is gone: a helper that blocks in it to be killed
    // mid-write must not hold the lock.
    allowance.atLimit = std::exchange(fault.atLimit, nullptr);
  }
  return allowance;
}

}  // namespace detail
}  // namespace platform
