// Inline helpers only: the one place where a test can stand between writeAll and the system.
#pragma once
#include <cstddef>
#include <functional>

namespace platform {

// What writeAll may do with a request of some bytes.
struct WriteAllowance {
  std::size_t write = 0;          // bytes to really write
  std::size_t pretend = 0;        // bytes to report as written without writing them
  bool fail = false;              // fail the request once `write` bytes are written
  std::function<void()> atLimit;  // to run once `write` bytes are written, before failing
};

// Asked before each request once set; the program never sets it, so its writes go straight to
// the system. A test build sets it to provoke faults that are hard to meet on demand, such as a
// volume filling up; it must not be changed while a write is under way.
using WriteFilter = WriteAllowance (*)(std::size_t wanted);

inline WriteFilter& writeFilter() {
  static WriteFilter filter = nullptr;
  return filter;
}

}  // namespace platform
