#include "e2e_fixture.h"

#include <cstdlib>
#include <fstream>
#include <iterator>

#include "platform/registry.h"

namespace e2e {
namespace {

// The Windows name of a Unix path that an environment variable holds (Wine shows the Unix file
// system as drive Z:); none when the variable is unset or empty.
std::optional<std::string> unixPathFromEnvironment(const char* variable) {
  const char* unixPath = std::getenv(variable);
  if (!unixPath || !*unixPath) return std::nullopt;
  std::string path = std::string("Z:") + unixPath;
  for (char& c : path) {
    if (c == '/') c = '\\';
  }
  return path;
}

// Screenshots go where the test command collects its output, when it says where.
std::optional<std::string> outputFolder() {
  return unixPathFromEnvironment("UPDATER_TEST_OUTPUT");
}

std::string currentTestName() {
  const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
  std::string name = std::string(info->test_suite_name()) + "." + info->name();
  for (char& c : name) {
    if (c == '/') c = '_';
  }
  return name;
}

void removeFolder(const std::string& folder) {
  WIN32_FIND_DATAA found;
  const HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::string name = found.cFileName;
      if (name == "." || name == "..") continue;
      SetFileAttributesA((folder + "\\" + name).c_str(), FILE_ATTRIBUTE_NORMAL);
      DeleteFileA((folder + "\\" + name).c_str());
    } while (FindNextFileA(search, &found));
    FindClose(search);
  }
  RemoveDirectoryA(folder.c_str());
}

}  // namespace

const std::string& updaterExe() {
  static const std::string exe = unixPathFromEnvironment("UPDATER_E2E_EXE").value_or(BUILT_UPDATER_EXE);
  return exe;
}

std::string fileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void UpdaterTest::SetUp() {
  platform::MachineKey::remove(kRecordKey);
  CreateDirectoryA("C:\\uptk-e2e", nullptr);
  installFolder_ = "C:\\uptk-e2e\\" + currentTestName();
  removeFolder(installFolder_);
}

void UpdaterTest::TearDown() {
  if (updater_) updater_->kill();
  updater_.reset();
  platform::MachineKey::remove(kRecordKey);
  removeFolder(installFolder_);
}

std::string UpdaterTest::prepareInstallFolder(bool withOldTarget) {
  CreateDirectoryA(installFolder_.c_str(), nullptr);
  if (withOldTarget) {
    EXPECT_TRUE(CopyFileA(OLD_STANDIN_EXE, targetFile().c_str(), FALSE));
  }
  return installFolder_;
}

void UpdaterTest::storeRecord(const std::optional<std::string>& cale, const std::optional<std::string>& ver) {
  auto key = platform::MachineKey::open(kRecordKey);
  ASSERT_TRUE(key);
  if (cale) {
    ASSERT_TRUE(key->setValue("CALE", platform::kRegSz, *cale + '\0'));
  }
  if (ver) {
    ASSERT_TRUE(key->setValue("VER", platform::kRegSz, *ver + '\0'));
  }
}

std::optional<std::string> UpdaterTest::recordValue(const char* name) const {
  const auto key = platform::MachineKey::open(kRecordKey);
  if (!key) return std::nullopt;
  const auto info = key->queryInfo(name);
  if (!info) return std::nullopt;
  auto data = key->queryData(name, info->size);
  if (data) data->resize(data->find('\0') == std::string::npos ? data->size() : data->find('\0'));
  return data;
}

driver::UpdaterWindow UpdaterTest::startUpdater(int logLines, const std::string& exe) {
  updater_ = std::make_unique<driver::Process>("\"" + exe + "\"");
  EXPECT_TRUE(updater_->started());
  const auto window = driver::waitForUpdater(updater_->id(), 20000);
  if (!window) {
    ADD_FAILURE() << "the updater's window did not appear";
    return {};
  }
  if (logLines > 0) driver::waitForLogLines(*window, logLines, 10000);
  return *window;
}

void UpdaterTest::screenshot(HWND window, const std::string& name) const {
  const auto folder = outputFolder();
  if (!folder) return;
  Sleep(200);  // the last paint must have reached the screen
  driver::saveScreenshot(window, *folder + "\\" + currentTestName() + "-" + name + ".bmp");
}

std::set<std::string> UpdaterTest::installFolderNames() const {
  std::set<std::string> names;
  WIN32_FIND_DATAA found;
  const HANDLE search = FindFirstFileA((installFolder_ + "\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) names.insert(found.cFileName);
  } while (FindNextFileA(search, &found));
  FindClose(search);
  return names;
}

std::optional<DWORD> UpdaterTest::exitCode(DWORD timeoutMs) {
  return updater_->waitForExit(timeoutMs);
}

}  // namespace e2e
