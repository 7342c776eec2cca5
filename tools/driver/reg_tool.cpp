#include "reg_tool.h"

#include <windows.h>

#include <vector>

namespace driver {
namespace {

struct Output {
  DWORD exitCode = 1;
  std::string text;
};

// Runs reg.exe with `arguments`; its output goes through a file, not a pipe, so that nothing
// waits for helpers that might inherit it.
std::optional<Output> runReg(const std::string& arguments) {
  char folder[MAX_PATH];
  char path[MAX_PATH];
  if (!GetTempPathA(MAX_PATH, folder) || !GetTempFileNameA(folder, "reg", 0, path)) return std::nullopt;
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  const HANDLE file =
      CreateFileA(path, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                  CREATE_ALWAYS, FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::nullopt;
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = file;
  startup.hStdError = file;
  PROCESS_INFORMATION info{};
  std::string line = "reg.exe " + arguments;
  std::vector<char> command(line.begin(), line.end());
  command.push_back('\0');
  std::optional<Output> output;
  if (CreateProcessA(nullptr, command.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr, nullptr,
                     &startup, &info)) {
    output.emplace();
    if (WaitForSingleObject(info.hProcess, 30000) == WAIT_OBJECT_0)
      GetExitCodeProcess(info.hProcess, &output->exitCode);
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    SetFilePointer(file, 0, nullptr, FILE_BEGIN);
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) output->text.append(buffer, got);
  }
  CloseHandle(file);
  return output;
}

const char* viewSwitch(RegistryView view) {
  return view == RegistryView::k32 ? " /reg:32" : " /reg:64";
}

std::string quoted(const std::string& text) {
  return "\"" + text + "\"";
}

}  // namespace

std::optional<std::string> regQueryString(const std::string& key, const std::string& name,
                                          RegistryView view) {
  const auto output = runReg("query " + quoted("HKLM\\" + key) + " /v " + quoted(name) + viewSwitch(view));
  if (!output || output->exitCode != 0) return std::nullopt;
  // A value's line: four blanks, the name, four blanks, the type, four blanks, the data.
  const std::string start = "    " + name + "    REG_SZ    ";
  std::size_t at = output->text.find("\n" + start);
  if (at == std::string::npos) return std::nullopt;
  at += 1 + start.size();
  const std::size_t end = output->text.find_first_of("\r\n", at);
  return output->text.substr(at, end == std::string::npos ? std::string::npos : end - at);
}

bool regAddString(const std::string& key, const std::string& name, const std::string& data,
                  RegistryView view) {
  const auto output = runReg("add " + quoted("HKLM\\" + key) + " /v " + quoted(name) + " /t REG_SZ /d " +
                             quoted(data) + " /f" + viewSwitch(view));
  return output && output->exitCode == 0;
}

bool regDeleteKey(const std::string& key, RegistryView view) {
  const auto output = runReg("delete " + quoted("HKLM\\" + key) + " /f" + viewSwitch(view));
  return output && output->exitCode == 0;
}

}  // namespace driver
