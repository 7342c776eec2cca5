// Declarations only: the two kernels of the hash, defined in xxh3_sse2.cpp and xxh3_scalar.cpp.
#pragma once
#include <cstddef>

// XXH3-128 of a block of bytes, in the byte order xxh128sum prints (high half first). One source
// of the hash, compiled twice: the SSE2 kernel is compiled for SSE2 even where the program's
// baseline lacks it, so each kernel lives in a file of its own that includes nothing but the hash
// and shares no compiled code with the rest of the program.
namespace updater::xxh3 {

inline constexpr std::size_t kDigestBytes = 16;

void digestSse2(const void* data, std::size_t size, unsigned char (&digest)[kDigestBytes]);
void digestScalar(const void* data, std::size_t size, unsigned char (&digest)[kDigestBytes]);

}  // namespace updater::xxh3
