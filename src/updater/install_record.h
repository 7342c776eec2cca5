#pragma once
#include <string>
#include <string_view>

namespace updater {

// The target application's installation record: a key of the machine-wide store holding its
// install folder ("CALE") and installed version text ("VER"). The key is opened afresh for each
// call and closed before it returns; nothing stays open between calls.
class InstallRecord {
 public:
  explicit InstallRecord(unsigned keyNumber);

  const std::string& keyPath() const { return keyPath_; }

  // The string value `name` up to its first NUL; empty when the value is missing, empty, or the
  // key cannot be opened. Throws std::runtime_error for a value that cannot be read or is not a
  // string.
  std::string ReadInstallValue(std::string_view name) const;
  // Stores `text` as a string value; throws std::runtime_error when it cannot.
  void WriteInstallValue(std::string_view name, std::string_view text) const;

 private:
  std::string keyPath_;
};

}  // namespace updater
