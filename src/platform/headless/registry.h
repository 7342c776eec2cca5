#pragma once
#include <cstdint>
#include <map>
#include <string>

namespace platform::headless {

// The in-memory machine-wide store behind MachineKey on the host. Names compare without regard
// to ASCII case, as on Windows. Tests seed it and switch failures on through this interface.
struct StoredValue {
  std::uint32_t type = 0;
  std::string data;
};

struct RegistryFaults {
  bool denyOpen = false;      // the key can be neither opened nor created
  bool failDataRead = false;  // the second query, for the data, fails
  bool failWrite = false;     // setting a value fails
};

RegistryFaults& registryFaults();
bool registryKeyExists(const std::string& subkey);
// Forgets every key and clears the faults.
void resetRegistry();

}  // namespace platform::headless
