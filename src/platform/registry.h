#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// Registry value types, with the values of the Windows API.
enum RegistryType : std::uint32_t {
  kRegNone = 0,
  kRegSz = 1,
  kRegExpandSz = 2,
  kRegBinary = 3,
  kRegDword = 4,
  kRegMultiSz = 7,
};

struct RegistryValueInfo {
  std::uint32_t type = kRegNone;
  std::uint32_t size = 0;  // in bytes
};

// A key of the machine-wide store, opened (created when missing) with full access in the 32-bit
// view, so that a 64-bit build sees the record the 32-bit product uses. Closed on destruction.
class MachineKey {
 public:
  // Empty when the key can neither be opened nor created (no rights, for instance).
  static std::optional<MachineKey> open(std::string_view subkey);
  // Removes a key with its values, if it has no subkeys; false when it fails or is missing.
  static bool remove(std::string_view subkey);

  MachineKey(MachineKey&&) noexcept;
  MachineKey& operator=(MachineKey&&) noexcept;
  ~MachineKey();

  // Type and size of a value; empty when there is no such value.
  std::optional<RegistryValueInfo> queryInfo(std::string_view name) const;
  // Up to `size` bytes of a value's data, as stored; empty when the read fails (the value is
  // gone, or larger than `size`).
  std::optional<std::string> queryData(std::string_view name, std::uint32_t size) const;
  bool setValue(std::string_view name, std::uint32_t type, std::string_view data);
  bool deleteValue(std::string_view name);

  struct Handle;

 private:
  explicit MachineKey(std::unique_ptr<Handle> handle);
  std::unique_ptr<Handle> handle_;
};

}  // namespace platform
