#include "platform/resources.h"

#include <mutex>
#include <string>
#include <vector>

#include "platform/ascii_case.h"
#include "platform/headless/resources.h"

namespace platform {
namespace {

struct Registered {
  std::string type;
  std::string name;
  std::span<const std::byte> bytes;
};

// Made on first use: programs register their resources while their statics are made.
struct Registry {
  std::mutex mutex;
  std::vector<Registered> resources;
};
Registry& registry() {
  static Registry r;
  return r;
}

void eraseLocked(std::string_view type, std::string_view name) {
  std::erase_if(registry().resources, [&](const Registered& resource) {
    return caseBlindEqual(resource.type, type) && caseBlindEqual(resource.name, name);
  });
}

}  // namespace

std::optional<std::span<const std::byte>> findOwnResource(std::string_view type, std::string_view name) {
  const std::lock_guard lock(registry().mutex);
  for (const Registered& resource : registry().resources) {
    if (caseBlindEqual(resource.type, type) && caseBlindEqual(resource.name, name)) return resource.bytes;
  }
  return std::nullopt;
}

void registerOwnResource(std::string_view type, std::string_view name, std::span<const std::byte> bytes) {
  const std::lock_guard lock(registry().mutex);
  eraseLocked(type, name);
  registry().resources.push_back(Registered{std::string(type), std::string(name), bytes});
}

void unregisterOwnResource(std::string_view type, std::string_view name) {
  const std::lock_guard lock(registry().mutex);
  eraseLocked(type, name);
}

}  // namespace platform
