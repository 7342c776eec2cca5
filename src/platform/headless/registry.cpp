#include <mutex>

#include "platform/ascii_case.h"
#include "platform/headless/registry.h"
#include "platform/registry.h"

namespace platform {
namespace headless {
namespace {

using Values = std::map<std::string, StoredValue, CaseBlindLess>;

struct Store {
  std::mutex mutex;
  std::map<std::string, Values, CaseBlindLess> keys;
  RegistryFaults faults;
};

Store& store() {
  static Store instance;
  return instance;
}

}  // namespace

RegistryFaults& registryFaults() {
  return store().faults;
}

bool registryKeyExists(const std::string& subkey) {
  std::lock_guard lock(store().mutex);
  return store().keys.count(subkey) != 0;
}

void resetRegistry() {
  std::lock_guard lock(store().mutex);
  store().keys.clear();
  store().faults = {};
}

}  // namespace headless

struct MachineKey::Handle {
  std::string path;
};

std::optional<MachineKey> MachineKey::open(std::string_view subkey) {
  auto& s = headless::store();
  std::lock_guard lock(s.mutex);
  if (s.faults.denyOpen) return std::nullopt;
  std::string path(subkey);
  s.keys[path];  // created when missing
  return MachineKey(std::make_unique<Handle>(Handle{std::move(path)}));
}

bool MachineKey::remove(std::string_view subkey) {
  auto& s = headless::store();
  std::lock_guard lock(s.mutex);
  return s.keys.erase(std::string(subkey)) != 0;
}

MachineKey::MachineKey(std::unique_ptr<Handle> handle) : handle_(std::move(handle)) {}
MachineKey::MachineKey(MachineKey&&) noexcept = default;
MachineKey& MachineKey::operator=(MachineKey&&) noexcept = default;
MachineKey::~MachineKey() = default;

std::optional<RegistryValueInfo> MachineKey::queryInfo(std::string_view name) const {
  auto& s = headless::store();
  std::lock_guard lock(s.mutex);
  const auto& values = s.keys[handle_->path];
  const auto it = values.find(std::string(name));
  if (it == values.end()) return std::nullopt;
  return RegistryValueInfo{it->second.type, static_cast<std::uint32_t>(it->second.data.size())};
}

std::optional<std::string> MachineKey::queryData(std::string_view name, std::uint32_t size) const {
  auto& s = headless::store();
  std::lock_guard lock(s.mutex);
  if (s.faults.failDataRead) return std::nullopt;
  const auto& values = s.keys[handle_->path];
  const auto it = values.find(std::string(name));
  if (it == values.end() || it->second.data.size() > size) return std::nullopt;
  return it->second.data;
}

bool MachineKey::setValue(std::string_view name, std::uint32_t type, std::string_view data) {
  auto& s = headless::store();
  std::lock_guard lock(s.mutex);
  if (s.faults.failWrite) return false;
  s.keys[handle_->path][std::string(name)] = headless::StoredValue{type, std::string(data)};
  return true;
}

bool MachineKey::deleteValue(std::string_view name) {
  auto& s = headless::store();
  std::lock_guard lock(s.mutex);
  return s.keys[handle_->path].erase(std::string(name)) != 0;
}

}  // namespace platform
