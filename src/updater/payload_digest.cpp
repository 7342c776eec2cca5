#include "updater/payload_digest.h"

#include <optional>

#include "platform/ascii_case.h"
#include "platform/resources.h"
#include "updater/xxh3_kernels.h"

namespace updater {
namespace {

bool processorHasSse2() {
#if defined(__x86_64__)
  return true;
#elif defined(__i386__)
  __builtin_cpu_init();
  return __builtin_cpu_supports("sse2");
#else
  return false;
#endif
}

}  // namespace

std::string payloadDigest(std::span<const std::byte> bytes) {
  static const bool sse2 = processorHasSse2();
  unsigned char digest[xxh3::kDigestBytes];
  (sse2 ? xxh3::digestSse2 : xxh3::digestScalar)(bytes.data(), bytes.size(), digest);
  constexpr char kHex[] = "0123456789abcdef";
  std::string text;
  text.reserve(2 * xxh3::kDigestBytes);
  for (const unsigned char byte : digest) {
    text += kHex[byte >> 4];
    text += kHex[byte & 0xF];
  }
  return text;
}

bool ownPayloadIntact(std::string_view type, std::string_view name) {
  const std::optional<std::span<const std::byte>> payload = platform::findOwnResource(type, name);
  const std::optional<std::span<const std::byte>> recorded =
      platform::findOwnResource("#10", std::string(name) + std::string(kDigestSuffix));  // RCDATA
  if (!payload || !recorded) return false;
  const std::string_view text(reinterpret_cast<const char*>(recorded->data()), recorded->size());
  return platform::caseBlindEqual(text, payloadDigest(*payload));
}

}  // namespace updater
