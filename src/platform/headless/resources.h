#pragma once
#include <cstddef>
#include <span>
#include <string_view>

namespace platform {

// The headless program has no image to carry resources: tests register them here. The bytes are
// viewed, not copied, so they must outlive the registration.
void registerOwnResource(std::string_view type, std::string_view name, std::span<const std::byte> bytes);
void unregisterOwnResource(std::string_view type, std::string_view name);

}  // namespace platform
