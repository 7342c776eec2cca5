#pragma once
#include <windows.h>

#include <optional>
#include <string>

namespace driver {

// A program started for a test; killed if still running when this goes.
class Process {
 public:
  explicit Process(const std::string& commandLine);
  Process(const Process&) = delete;
  Process& operator=(const Process&) = delete;
  ~Process();

  DWORD id() const { return info_.dwProcessId; }
  bool started() const { return info_.hProcess != nullptr; }
  // The exit code once it has ended within the timeout.
  std::optional<DWORD> waitForExit(DWORD timeoutMs);
  void kill();

 private:
  PROCESS_INFORMATION info_{};
};

}  // namespace driver
