#pragma once
#include <optional>
#include <string>

namespace driver {

// The machine-wide registry as the system's own reg.exe sees it, below HKEY_LOCAL_MACHINE: a
// look at the installation record that shares no code with the product.
enum class RegistryView { k32, k64 };

// The text of the string value `name` of `key`; empty when reg.exe finds no such value.
std::optional<std::string> regQueryString(const std::string& key, const std::string& name, RegistryView view);
// Writes the string value `name` of `key`, making the key when needed; true when reg.exe says so.
bool regAddString(const std::string& key, const std::string& name, const std::string& data,
                  RegistryView view);
// Removes `key` with its values; true when reg.exe says so.
bool regDeleteKey(const std::string& key, RegistryView view);

}  // namespace driver
