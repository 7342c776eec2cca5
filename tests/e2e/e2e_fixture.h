#pragma once
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <optional>
#include <set>
#include <string>

#include "out_of_process_driver.h"
#include "process.h"

namespace e2e {

inline constexpr RECT kUpgradeButton{16, 120, 217, 151};
inline constexpr RECT kCloseButton{300, 120, 408, 151};
inline constexpr char kRecordKey[] = "Software\\Kerovana\\37";

// The updater the tests start: the one built beside them, or the one that UPDATER_E2E_EXE names
// (a Unix path), such as the shipped 32-bit build.
const std::string& updaterExe();
#define UPDATER_EXE (::e2e::updaterExe())

// Each test starts from a prefix without the record and with an empty install folder of its
// own, and runs the real updater.
class UpdaterTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // The install folder of this test, made empty; the old stand-in goes in when asked.
  std::string prepareInstallFolder(bool withOldTarget);
  void storeRecord(const std::optional<std::string>& cale, const std::optional<std::string>& ver);
  std::optional<std::string> recordValue(const char* name) const;

  // Starts the updater (or another copy of it) and waits for its check to have written
  // `logLines` lines.
  driver::UpdaterWindow startUpdater(int logLines, const std::string& exe = UPDATER_EXE);
  void screenshot(HWND window, const std::string& name) const;
  // Waits for the updater to end; its exit code.
  std::optional<DWORD> exitCode(DWORD timeoutMs = 10000);

  std::string targetFile() const { return installFolder_ + "\\Ralvt.exe"; }
  // The names of the files in the install folder.
  std::set<std::string> installFolderNames() const;
  std::unique_ptr<driver::Process> updater_;

 private:
  std::string installFolder_;
};

std::string fileBytes(const std::string& path);

}  // namespace e2e
