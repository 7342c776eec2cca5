#pragma once
#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

namespace platform {

// The bytes of a resource of this program's own executable, viewed in place in the loaded image:
// read-only, never copied, valid for the life of the process. Type and name are matched without
// regard to case; "#123" names a numeric id. Empty when there is no such resource or it cannot
// be loaded.
std::optional<std::span<const std::byte>> findOwnResource(std::string_view type, std::string_view name);

}  // namespace platform
