#pragma once
#include <cstdint>
#include <functional>

namespace test_support {

// Faults that are hard to provoke on demand, such as a volume filling up. Once `limit` more bytes
// have gone through ExclusiveFile::writeAll in this process, writes stop: `kFail` makes them fail
// as on a full volume, `kDropSilently` reports them written although they were not, like a device
// that loses data. `atLimit` runs once, on the writing thread, when the limit is reached.
enum class WriteFaultKind { kFail, kDropSilently };
void injectWriteFault(std::uint64_t limit, WriteFaultKind kind, std::function<void()> atLimit = {});
void clearWriteFault();

}  // namespace test_support
