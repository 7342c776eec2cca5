// ExclusiveFile::writeAll on every backend; a backend gives only its one raw request, writeSome.
#include <algorithm>

#include "platform/files.h"
#include "platform/write_filter.h"

namespace platform {
FileError ExclusiveFile::writeAll(std::span<const std::byte> data) {
  while (!data.empty()) {
    const std::size_t wanted = std::min(data.size(), kMaxRequest);
    WriteAllowance allowance = writeFilter() ? writeFilter()(wanted) : WriteAllowance{wanted, 0, false, {}};
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
