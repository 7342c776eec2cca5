#include "platform/registry.h"

#include <windows.h>

#include <string>

namespace platform {

struct MachineKey::Handle {
  HKEY key;
  explicit Handle(HKEY k) : key(k) {}
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
  ~Handle() { RegCloseKey(key); }
};

namespace {
// Full access plus the 32-bit view: the product is a 32-bit program, and the 64-bit test build
// must read and write the same record.
constexpr REGSAM kAccess = KEY_ALL_ACCESS | KEY_WOW64_32KEY;
}  // namespace

std::optional<MachineKey> MachineKey::open(std::string_view subkey) {
  const std::string path(subkey);
  HKEY key = nullptr;
  DWORD disposition = 0;
  if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, 0, kAccess, nullptr, &key,
                      &disposition) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  return MachineKey(std::make_unique<Handle>(key));
}

bool MachineKey::remove(std::string_view subkey) {
  const std::string path(subkey);
  return RegDeleteKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), KEY_WOW64_32KEY, 0) == ERROR_SUCCESS;
}

MachineKey::MachineKey(std::unique_ptr<Handle> handle) : handle_(std::move(handle)) {}
MachineKey::MachineKey(MachineKey&&) noexcept = default;
MachineKey& MachineKey::operator=(MachineKey&&) noexcept = default;
MachineKey::~MachineKey() = default;

std::optional<RegistryValueInfo> MachineKey::queryInfo(std::string_view name) const {
  const std::string value(name);
  DWORD type = 0;
  DWORD size = 0;
  if (RegQueryValueExA(handle_->key, value.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  return RegistryValueInfo{type, size};
}

std::optional<std::string> MachineKey::queryData(std::string_view name, std::uint32_t size) const {
  const std::string value(name);
  std::string data(size, '\0');
  DWORD type = 0;
  DWORD got = size;
  if (RegQueryValueExA(handle_->key, value.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data.data()),
                       &got) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  data.resize(got < size ? got : size);
  return data;
}

bool MachineKey::setValue(std::string_view name, std::uint32_t type, std::string_view data) {
  const std::string value(name);
  return RegSetValueExA(handle_->key, value.c_str(), 0, type, reinterpret_cast<const BYTE*>(data.data()),
                        static_cast<DWORD>(data.size())) == ERROR_SUCCESS;
}

bool MachineKey::deleteValue(std::string_view name) {
  const std::string value(name);
  return RegDeleteValueA(handle_->key, value.c_str()) == ERROR_SUCCESS;
}

}  // namespace platform
