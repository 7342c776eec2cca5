#include "platform/resources.h"

#include <windows.h>

#include <string>

namespace platform {

std::optional<std::span<const std::byte>> findOwnResource(std::string_view type, std::string_view name) {
  // The system compares resource names without case; it needs them NUL-terminated.
  const std::string typeText(type);
  const std::string nameText(name);
  const HMODULE self = GetModuleHandleA(nullptr);
  const HRSRC found = FindResourceA(self, nameText.c_str(), typeText.c_str());
  if (found == nullptr) return std::nullopt;
  // A loaded resource belongs to the image and stays mapped while the module is: there is no
  // handle to release (FreeResource does nothing on Win32).
  const HGLOBAL loaded = LoadResource(self, found);
  if (loaded == nullptr) return std::nullopt;
  const void* bytes = LockResource(loaded);
  const DWORD size = SizeofResource(self, found);
  if (bytes == nullptr && size != 0) return std::nullopt;
  return std::span<const std::byte>(static_cast<const std::byte*>(bytes), size);
}

}  // namespace platform
