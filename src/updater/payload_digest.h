#pragma once
#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace updater {

// The digest of a payload: XXH3-128 of its bytes in 32 lower-case hex characters, as xxh128sum
// prints it. The build records it beside the payload (cmake/payload_resources.cmake). It guards
// against damage on the disk or in transit; the signature guards against tampering.
std::string payloadDigest(std::span<const std::byte> bytes);

// The resource of type RCDATA that holds the digest of the resource <name> is named
// <name> + kDigestSuffix.
inline constexpr std::string_view kDigestSuffix = "_XXH128";

// Whether this program's own resource `type`/`name` holds exactly the bytes whose digest the build
// recorded beside it. A missing payload, a missing digest, or one that is not the 32 characters
// of a digest all count as damage: an updater without its digest cannot vouch for its payload.
bool ownPayloadIntact(std::string_view type, std::string_view name);

}  // namespace updater
