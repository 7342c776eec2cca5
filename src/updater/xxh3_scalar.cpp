// The scalar kernel, for processors without SSE2.
#define XXH_INLINE_ALL
#define XXH_VECTOR XXH_SCALAR
#include <xxhash.h>

#include "updater/xxh3_kernels.h"

namespace updater::xxh3 {

void digestScalar(const void* data, std::size_t size, unsigned char (&digest)[kDigestBytes]) {
  XXH128_canonical_t canonical;
  XXH128_canonicalFromHash(&canonical, XXH3_128bits(data, size));
  for (std::size_t i = 0; i < kDigestBytes; ++i) digest[i] = canonical.digest[i];
}

}  // namespace updater::xxh3
