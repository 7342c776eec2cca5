// The install folder under attack from a standard user's process: moved away while the
// confirmation is up, reached through a link (also to a folder whose name the system's code page
// cannot spell, or that ends in a dot), and a link planted at a leftover's name.
#include <windows.h>

#include <gtest/gtest.h>

#include <bit>
#include <cwchar>
#include <fstream>
#include <functional>
#include <set>
#include <string>

#include "../testing/named_cases.h"
#include "e2e_fixture.h"
#include "payload_compare.h"

namespace e2e {
namespace {

using Names = std::set<std::string>;

std::wstring wide(const std::string& text) {
  return std::wstring(text.begin(), text.end());
}

// Wine's own name of a file in the Unix file system. Wine's extension is CDECL, unlike the
// system's entries.
std::string unixName(const std::wstring& path) {
  using ToUnix = char*(CDECL*)(LPCWSTR);
  const auto toUnix =
      std::bit_cast<ToUnix>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name"));
  if (!toUnix) return {};
  char* name = toUnix(path.c_str());
  if (!name) return {};
  std::string result(name);
  HeapFree(GetProcessHeap(), 0, name);
  return result;
}

// Runs a program of the Unix side, which Wine starts on request, and waits until `done` holds.
bool runUnix(const std::string& commandLine, const std::function<bool()>& done) {
  std::string command = commandLine;
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info))
    return false;
  CloseHandle(info.hThread);
  CloseHandle(info.hProcess);
  return driver::waitUntil(done, 5000);
}

// Wine 8's CreateSymbolicLinkA reports success and makes nothing: the link is made by the Unix
// side's ln, as a user's process there could.
bool makeLink(const std::wstring& target, const std::string& link) {
  return runUnix("/bin/ln -s \"" + unixName(target) + "\" \"" + unixName(wide(link)) + "\"",
                 [&] { return GetFileAttributesA(link.c_str()) != INVALID_FILE_ATTRIBUTES; });
}

// The same, to the one folder that the Unix side's pattern `target` matches: a command line
// passes only the code page's characters.
bool makeLinkMatching(const std::string& target, const std::string& link) {
  return runUnix("/bin/sh -c \"ln -s " + target + " '" + unixName(wide(link)) + "'\"",
                 [&] { return GetFileAttributesA(link.c_str()) != INVALID_FILE_ATTRIBUTES; });
}

bool removeLink(const std::string& link) {
  return runUnix("/bin/rm -f \"" + unixName(wide(link)) + "\"",
                 [&] { return GetFileAttributesA(link.c_str()) == INVALID_FILE_ATTRIBUTES; });
}

class InstallFolderTest : public UpdaterTest {
 protected:
  // Clicks the upgrade button and answers the confirmation; `whileConfirming` runs while it is up.
  void upgradeAndConfirm(const driver::UpdaterWindow& window,
                         const std::function<void()>& whileConfirming = {}) {
    driver::clickButton(window, kUpgradeButton);
    const auto box = driver::waitForMessageBox(updater_->id(), 30000);
    ASSERT_TRUE(box);
    ASSERT_EQ(box->title, "Information");
    if (whileConfirming) whileConfirming();
    driver::pressOk(*box);
    ASSERT_TRUE(driver::waitUntil([&] { return !IsWindow(box->hwnd); }, 5000));
  }
  void quit(const driver::UpdaterWindow& window) {
    driver::pressKey(window, VK_ESCAPE, 0);
    EXPECT_EQ(exitCode(), DWORD{0});
  }
};

TEST_F(InstallFolderTest, CannotBeMovedAwayWhileTheConfirmationIsUp) {
  const std::string folder = prepareInstallFolder(true);
  storeRecord(folder, "Ralvento v.2.50");
  const auto window = startUpdater(2);
  const std::string away = folder + "-away";
  upgradeAndConfirm(window, [&] {
    EXPECT_FALSE(MoveFileExW(wide(folder).c_str(), wide(away).c_str(), 0));
    EXPECT_EQ(GetLastError(), DWORD{ERROR_SHARING_VIOLATION});
  });
  quit(window);
  EXPECT_EQ(driver::fileEqualsCarriedPayload(UPDATER_EXE, targetFile()), true);
  ASSERT_TRUE(MoveFileExW(wide(folder).c_str(), wide(away).c_str(), 0)) << GetLastError();
  MoveFileExW(wide(away).c_str(), wide(folder).c_str(), 0);
}

TEST_F(InstallFolderTest, ThroughALinkInstallsIntoTheRealFolderAndTheLinkStays) {
  const std::string real = prepareInstallFolder(true);
  const std::string link = real + "-link";
  removeLink(link);
  ASSERT_TRUE(makeLink(wide(real), link));
  ASSERT_NE(GetFileAttributesA(link.c_str()) & FILE_ATTRIBUTE_REPARSE_POINT, 0u);
  storeRecord(link, "Ralvento v.2.50");
  const auto window = startUpdater(2);
  EXPECT_EQ(driver::logText(window), "Cale Ralvento : " + link + "\r\nVersiune instalata     : 2.50\r\n");
  upgradeAndConfirm(window);
  quit(window);
  EXPECT_EQ(driver::fileEqualsCarriedPayload(UPDATER_EXE, targetFile()), true);
  EXPECT_EQ(installFolderNames(), Names{"Ralvt.exe"});
  EXPECT_NE(GetFileAttributesA(link.c_str()) & FILE_ATTRIBUTE_REPARSE_POINT, 0u) << "still a link";
  EXPECT_EQ(recordValue("VER"), "Ralvento v.2.63");
  EXPECT_TRUE(removeLink(link));
}

TEST_F(InstallFolderTest, ALinkAtALeftoversNameLeavesTheFileItPointsAtAlone) {
  const std::string folder = prepareInstallFolder(true);
  const std::string outside = folder + "-precious.bin";
  std::ofstream(outside, std::ios::binary) << "not the updater's to delete";
  const std::string planted = folder + "\\Ralvt.exe.upd-1f4-0.tmp";
  ASSERT_TRUE(makeLink(wide(outside), planted));
  storeRecord(folder, "Ralvento v.2.50");
  const auto window = startUpdater(2);
  upgradeAndConfirm(window);
  quit(window);
  EXPECT_EQ(fileBytes(outside), "not the updater's to delete");
  EXPECT_EQ(installFolderNames(), (Names{"Ralvt.exe", "Ralvt.exe.upd-1f4-0.tmp"}));
  EXPECT_EQ(driver::fileEqualsCarriedPayload(UPDATER_EXE, targetFile()), true);
  removeLink(planted);
  DeleteFileA(outside.c_str());
}

struct RealFolder : test_support::NamedCase {
  const wchar_t* suffix;  // of the real folder's name, after the install folder's
  const char* pattern;    // that matches only that suffix on the Unix side
  const char* decoy;      // where a path spelled from the real folder's name would lead instead
};

class ThroughALinkTo : public InstallFolderTest, public ::testing::WithParamInterface<RealFolder> {};

// The folder's final path, spelled in the system's code page and looked up again, would name
// another folder: full-width signs turn into "\" and ".", and a trailing dot goes. Nothing but the
// real folder may be written.
TEST_P(ThroughALinkTo, AFolderTheCodePageCannotSpellInstallsThereAndNowhereElse) {
  const std::string link = prepareInstallFolder(false) + "-link";
  const std::wstring real = L"\\\\?\\" + wide(link.substr(0, link.size() - 5)) + GetParam().suffix;
  const std::string decoy = link.substr(0, link.size() - 5) + GetParam().decoy;
  CreateDirectoryW(real.c_str(), nullptr);
  CreateDirectoryA(decoy.substr(0, decoy.rfind('\\')).c_str(), nullptr);
  std::ofstream(decoy, std::ios::binary) << "not the updater's to write";
  removeLink(link);
  ASSERT_TRUE(makeLinkMatching(
      "'" + unixName(wide(link.substr(0, link.size() - 5))) + "'" + GetParam().pattern, link));
  storeRecord(link, "Ralvento v.2.50");
  const auto window = startUpdater(2);
  upgradeAndConfirm(window);
  quit(window);

  EXPECT_EQ(fileBytes(decoy), "not the updater's to write");
  const std::string copied = link + "-copy.exe";
  ASSERT_TRUE(CopyFileW((real + L"\\Ralvt.exe").c_str(), wide(copied).c_str(), FALSE)) << GetLastError();
  EXPECT_EQ(driver::fileEqualsCarriedPayload(UPDATER_EXE, copied), true);
  EXPECT_EQ(recordValue("VER"), "Ralvento v.2.63");
  Names inReal;
  WIN32_FIND_DATAW found;
  const HANDLE search = FindFirstFileW((real + L"\\*").c_str(), &found);
  ASSERT_NE(search, INVALID_HANDLE_VALUE);
  do {
    if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0)
      inReal.insert(std::string(found.cFileName, found.cFileName + wcslen(found.cFileName)));
  } while (FindNextFileW(search, &found));
  FindClose(search);
  EXPECT_EQ(inReal, Names{"Ralvt.exe"});

  removeLink(link);
  DeleteFileA(copied.c_str());
  DeleteFileA(decoy.c_str());
  DeleteFileW((real + L"\\Ralvt.exe").c_str());
  RemoveDirectoryW(real.c_str());
}

INSTANTIATE_TEST_SUITE_P(Cases, ThroughALinkTo,
                         ::testing::Values(RealFolder{"FullWidthSigns", L"-ab\uFF3C\uFF0E\uFF0E", "-ab?*",
                                                      "\\..\\Ralvt.exe"},
                                           RealFolder{"TrailingDot", L"-z.", "-z.", "-z\\Ralvt.exe"}),
                         test_support::ByCaseName{});

}  // namespace
}  // namespace e2e
