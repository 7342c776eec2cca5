// ExclusiveFile::writeAll on every backend, with the injected write fault it obeys; a backend
// gives only its one raw request, writeSome.
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

// What the write loop may do with a request of `wanted` bytes under the injected fault.
struct WriteAllowance {
  std::size_t write = 0;          // bytes to really write
  std::size_t pretend = 0;        // bytes to report as written without writing them
  bool fail = false;              // fail the request once `write` bytes are written
  std::function<void()> atLimit;  // to run once `write` bytes are written, before failing
};

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
    // The write loop runs it after the lock is gone: a helper that blocks in it to be killed
    // mid-write must not hold the lock.
    allowance.atLimit = std::exchange(fault.atLimit, nullptr);
  }
  return allowance;
}

}  // namespace

void injectWriteFault(std::uint64_t limit, WriteFaultKind kind, std::function<void()> atLimit) {
  const std::lock_guard lock(faultMutex);
  fault = WriteFault{true, limit, kind, std::move(atLimit)};
}

void clearWriteFault() {
  const std::lock_guard lock(faultMutex);
  fault = WriteFault{};
}

FileError ExclusiveFile::writeAll(std::span<const std::byte> data) {
  while (!data.empty()) {
    WriteAllowance allowance = allowWrite(std::min(data.size(), kMaxRequest));
    std::size_t done = 0;
    while (done < allowance.write) {
      const Written written = writeSome(data.subspan(done, allowance.write - done));
      if (written.error != FileError::kNone) return written.error;
      // A request that succeeds without writing anything would repeat forever.
      if (written.bytes == 0) return FileError::kOther;
      done += written.bytes;
    }
    if (allowance.atLimit) allowance.atLimit();
    if (allowance.fail) return FileError::kNoSpace;
    data = data.subspan(done + allowance.pretend);
  }
  return FileError::kNone;
}

}  // namespace platform
