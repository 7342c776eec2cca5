// The SSE2 kernel: -msse2 on 32-bit x86, the baseline on x86-64.
#define XXH_INLINE_ALL
#include <xxhash.h>

#include "updater/xxh3_kernels.h"

#if (defined(__i386__) || defined(__x86_64__)) && XXH_VECTOR != XXH_SSE2
#error "the SSE2 kernel of XXH3 is compiled without SSE2"
#endif

namespace updater::xxh3 {

void digestSse2(const void* data, std::size_t size, unsigned char (&digest)[kDigestBytes]) {
  XXH128_canonical_t canonical;
  XXH128_canonicalFromHash(&canonical, XXH3_128bits(data, size));
  for (std::size_t i = 0; i < kDigestBytes; ++i) digest[i] = canonical.digest[i];
}

}  // namespace updater::xxh3
