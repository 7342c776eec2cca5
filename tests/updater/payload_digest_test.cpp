#include "updater/payload_digest.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "updater/xxh3_kernels.h"

namespace updater {
namespace {

// The bytes the reference digests were taken of: byte i is (131 i + 7 (i div 256) + 5) mod 256.
std::vector<std::byte> referenceBytes(std::size_t size) {
  std::vector<std::byte> bytes(size);
  for (std::size_t i = 0; i < size; ++i)
    bytes[i] = static_cast<std::byte>((i * 131 + i / 256 * 7 + 5) & 0xFF);
  return bytes;
}

using Kernel = void (*)(const void*, std::size_t, unsigned char (&)[xxh3::kDigestBytes]);

std::string hexOf(Kernel kernel, const std::vector<std::byte>& bytes) {
  unsigned char digest[xxh3::kDigestBytes];
  kernel(bytes.data(), bytes.size(), digest);
  std::string text;
  for (const unsigned char byte : digest) {
    text += "0123456789abcdef"[byte >> 4];
    text += "0123456789abcdef"[byte & 0xF];
  }
  return text;
}

struct Reference {
  std::size_t size;
  const char* digest;  // as xxh128sum 0.8.1 prints it for referenceBytes(size)
};

// One size in each of the hash's code paths: the short inputs, the ones up to 128 and 240
// bytes, and long inputs over one block and over many.
constexpr Reference kReferences[] = {
    {0, "99aa06d3014798d86001c324468d497f"},    {1, "e1325e21416bcdb2929e358d27ae3ee2"},
    {3, "6314f6269026169330069c90b99182f2"},    {4, "1c0809605e05a2b1bee8c76c7e70385d"},
    {8, "f638c7d0289261a59dab33761e888bdc"},    {9, "be5e2367d8076a4e80315196bcceb453"},
    {16, "b7c9f9df6d6bd8b075750de25ef8b2ce"},   {17, "d633e30463db164a1210b42b2844b708"},
    {128, "1f89463d95789d07684810c47dfc23b1"},  {129, "817e37e4199c924846def383441ebd8f"},
    {240, "472680b6185360fad31a321f96c08b75"},  {241, "5e38c3db94be612d8bd3aa0d9f127af5"},
    {1024, "bd3b2335a50f9e323fa1d4d42c21189e"}, {1048583, "7eb39f4606746afdc86aac710a8d95c6"},
};

TEST(PayloadDigest, BothKernelsGiveWhatXxh128sumPrintsAtBuildTime) {
  for (const Reference& reference : kReferences) {
    SCOPED_TRACE(reference.size);
    const std::vector<std::byte> bytes = referenceBytes(reference.size);
    EXPECT_EQ(payloadDigest(bytes), reference.digest);
    EXPECT_EQ(hexOf(xxh3::digestSse2, bytes), reference.digest);
    EXPECT_EQ(hexOf(xxh3::digestScalar, bytes), reference.digest);
  }
}

}  // namespace
}  // namespace updater
