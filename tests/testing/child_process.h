#pragma once
#include <windows.h>

#include <string>
#include <string_view>

#include "testing/win_handle.h"

namespace test_support {

// A program started with a "ready" event of its own that it signals once it is in the state the
// test needs. Killed, if still running, when the object goes.
class ChildProcess {
 public:
  // A program by its path, such as a helper copied where the target application goes.
  struct Program {
    std::string path;
  };

  // A helper program from the folder "helpers" beside the running test binary. `arguments`
  // may contain "{ready}", replaced by the ready event's name.
  ChildProcess(const std::string& helper, const std::string& arguments)
      : ChildProcess(Program{helperPath(helper)}, arguments) {}

  ChildProcess(const Program& program, const std::string& arguments) {
    static unsigned counter = 0;
    readyName_ =
        "payload-test-ready-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(counter++);
    ready_.reset(CreateEventA(nullptr, TRUE, FALSE, readyName_.c_str()));
    std::string commandLine = quoted(program.path) + " ";
    constexpr std::string_view kPlaceholder = "{ready}";
    for (std::size_t from = 0;;) {
      const std::size_t at = arguments.find(kPlaceholder, from);
      commandLine.append(arguments, from, at == std::string::npos ? std::string::npos : at - from);
      if (at == std::string::npos) break;
      commandLine += readyName_;
      from = at + kPlaceholder.size();
    }
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                       &info)) {
      process_.reset(info.hProcess);
      CloseHandle(info.hThread);
    }
  }
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;
  ~ChildProcess() { kill(); }

  static std::string quoted(const std::string& text) {
    std::string result(1, '"');
    result += text;
    result += '"';
    return result;
  }

  static std::string helperPath(const std::string& helper) {
    char self[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string path(self, length);
    return path.substr(0, path.find_last_of('\\') + 1) + "helpers\\" + helper + ".exe";
  }

  // Whether the program could be started at all.
  bool started() const { return process_ != nullptr; }

  // True once the helper says it is ready; false when it ended first or took too long.
  bool waitReady(DWORD milliseconds = 30000) {
    if (!process_) return false;
    const HANDLE both[] = {ready_.get(), process_.get()};
    return WaitForMultipleObjects(2, both, FALSE, milliseconds) == WAIT_OBJECT_0;
  }

  // Ends the helper at once, as a crash or a power loss would, and waits until it is gone.
  void kill() {
    if (!process_) return;
    TerminateProcess(process_.get(), 99);
    WaitForSingleObject(process_.get(), 30000);
    process_.reset();
  }

  // Waits for a normal end; the exit code, or -1 if it did not end in time.
  long waitExit(DWORD milliseconds = 30000) {
    DWORD code = 0;
    if (!process_ || WaitForSingleObject(process_.get(), milliseconds) != WAIT_OBJECT_0 ||
        !GetExitCodeProcess(process_.get(), &code)) {
      return -1;
    }
    process_.reset();
    return static_cast<long>(code);
  }

 private:
  std::string readyName_;
  UniqueHandle ready_;
  UniqueHandle process_;
};

// A named event a helper waits on.
class NamedEvent {
 public:
  explicit NamedEvent(std::string name)
      : name_(std::move(name)), event_(CreateEventA(nullptr, TRUE, FALSE, name_.c_str())) {}
  const std::string& name() const { return name_; }
  void set() { SetEvent(event_.get()); }
  bool wait(DWORD milliseconds = 30000) {
    return WaitForSingleObject(event_.get(), milliseconds) == WAIT_OBJECT_0;
  }

 private:
  std::string name_;
  UniqueHandle event_;
};

}  // namespace test_support
