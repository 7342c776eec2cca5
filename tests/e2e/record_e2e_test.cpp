// The installation record as the system's own reg.exe sees it, the moment the new version is
// recorded, a record that refuses the new version, and what the install folder holds around
// the confirmation and at exit.
#include <windows.h>

#include <sddl.h>

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <vector>

#include "e2e_fixture.h"
#include "payload_compare.h"
#include "reg_tool.h"

namespace e2e {
namespace {

using driver::BoxIcon;
using driver::RegistryView;
using Names = std::set<std::string>;

constexpr DWORD kNoBoxWait = 1500;

// While it lives, nobody may set values in the record's key (in the 32-bit view, where the
// updater keeps it); reading it stays allowed. The key's former permissions come back after.
class ValuesLocked {
 public:
  explicit ValuesLocked(const char* key) : key_(key) {
    HKEY k = open();
    if (!k) return;
    DWORD size = 0;
    RegGetKeySecurity(k, DACL_SECURITY_INFORMATION, nullptr, &size);
    saved_.resize(size);
    if (RegGetKeySecurity(k, DACL_SECURITY_INFORMATION, saved_.data(), &size) != ERROR_SUCCESS)
      saved_.clear();
    PSECURITY_DESCRIPTOR locked = nullptr;
    // Everyone is denied KEY_SET_VALUE (2) and allowed all the rest.
    if (ConvertStringSecurityDescriptorToSecurityDescriptorA("D:(D;;0x2;;;WD)(A;;KA;;;WD)", SDDL_REVISION_1,
                                                             &locked, nullptr)) {
      applied_ = RegSetKeySecurity(k, DACL_SECURITY_INFORMATION, locked) == ERROR_SUCCESS;
      LocalFree(locked);
    }
    RegCloseKey(k);
  }
  ValuesLocked(const ValuesLocked&) = delete;
  ValuesLocked& operator=(const ValuesLocked&) = delete;
  ~ValuesLocked() {
    HKEY k = open();
    if (!k) return;
    if (!saved_.empty()) RegSetKeySecurity(k, DACL_SECURITY_INFORMATION, saved_.data());
    RegCloseKey(k);
  }
  bool applied() const { return applied_; }

 private:
  HKEY open() const {
    HKEY k = nullptr;
    return RegOpenKeyExA(HKEY_LOCAL_MACHINE, key_, 0, READ_CONTROL | WRITE_DAC | KEY_WOW64_32KEY, &k) ==
                   ERROR_SUCCESS
               ? k
               : nullptr;
  }

  const char* key_;
  std::vector<BYTE> saved_;
  bool applied_ = false;
};

class RecordTest : public UpdaterTest {
 protected:
  void TearDown() override {
    driver::regDeleteKey(kRecordKey, RegistryView::k64);
    UpdaterTest::TearDown();
  }
  // The record of an installed Ralvento 2.50, written by reg.exe into the 32-bit view.
  std::string prepareInstalled() {
    const std::string folder = prepareInstallFolder(true);
    EXPECT_TRUE(driver::regAddString(kRecordKey, "CALE", folder, RegistryView::k32));
    EXPECT_TRUE(driver::regAddString(kRecordKey, "VER", "Ralvento v.2.50", RegistryView::k32));
    return folder;
  }
  std::string logAfterCheck(const std::string& folder) const {
    return "Cale Ralvento : " + folder + "\r\nVersiune instalata     : 2.50\r\n";
  }
};

TEST_F(RecordTest, LivesInThe32BitViewAndHoldsTheNewVersionWhenTheConfirmationAppears) {
  const std::string folder = prepareInstalled();
  // A decoy where a 64-bit program would look by default.
  ASSERT_TRUE(driver::regAddString(kRecordKey, "CALE", "D:\\Elsewhere", RegistryView::k64));
  ASSERT_TRUE(driver::regAddString(kRecordKey, "VER", "Ralvento v.1.00", RegistryView::k64));
  const auto window = startUpdater(2);
  EXPECT_EQ(driver::logText(window), logAfterCheck(folder));

  driver::clickButton(window, kUpgradeButton);
  const auto box = driver::waitForMessageBox(updater_->id(), 30000);
  ASSERT_TRUE(box);
  EXPECT_EQ(box->title, "Information");
  EXPECT_EQ(driver::regQueryString(kRecordKey, "VER", RegistryView::k32), "Ralvento v.2.63")
      << "recorded before the user is told";
  EXPECT_EQ(driver::regQueryString(kRecordKey, "VER", RegistryView::k64), "Ralvento v.1.00");
  EXPECT_TRUE(driver::centredOnScreen(box->bounds));
  driver::pressOk(*box);

  // The old file goes after the confirmation, while the program still runs.
  EXPECT_TRUE(driver::waitUntil([&] { return installFolderNames() == Names{"Ralvt.exe"}; }, 5000))
      << installFolderNames().size() << " files";
  EXPECT_EQ(driver::fileEqualsCarriedPayload(UPDATER_EXE, targetFile()), true);
  EXPECT_EQ(exitCode(0), std::nullopt);
  driver::pressKey(window, VK_ESCAPE, 0);
  EXPECT_EQ(exitCode(), DWORD{0});
}

TEST_F(RecordTest, AVersionThatCannotBeRecordedIsReportedAndTheOldFileGoesAtExit) {
  const std::string folder = prepareInstalled();
  const auto window = startUpdater(2);
  const ValuesLocked locked(kRecordKey);  // after the check, which opens the key for all access
  ASSERT_TRUE(locked.applied());

  driver::clickButton(window, kUpgradeButton);
  const auto report = driver::waitForMessageBox(updater_->id(), 30000);
  ASSERT_TRUE(report);
  EXPECT_EQ(report->title, "UpTK294Q");
  EXPECT_EQ(report->text, "Failed to set data for 'VER'");
  EXPECT_EQ(report->icon, BoxIcon::kError);  // the stop icon is the error icon
  EXPECT_TRUE(driver::centredOnScreen(report->bounds));
  screenshot(report->hwnd, "report");
  driver::pressOk(*report);
  ASSERT_TRUE(driver::waitUntil([&] { return !IsWindow(report->hwnd); }, 5000));
  EXPECT_TRUE(driver::noMessageBoxFor(updater_->id(), kNoBoxWait)) << "no confirmation follows";

  EXPECT_EQ(driver::waitForLogLines(window, 3, 5000), logAfterCheck(folder) + "Versiune actualizata.\r\n");
  EXPECT_EQ(driver::fileEqualsCarriedPayload(UPDATER_EXE, targetFile()), true);
  EXPECT_EQ(driver::regQueryString(kRecordKey, "VER", RegistryView::k32), "Ralvento v.2.50");
  driver::clickButton(window, kUpgradeButton);  // disabled now
  EXPECT_TRUE(driver::noMessageBoxFor(updater_->id(), kNoBoxWait));
  EXPECT_EQ(installFolderNames().size(), 2u) << "the old file waits beside the new one";

  driver::pressKey(window, VK_ESCAPE, 0);
  EXPECT_EQ(exitCode(), DWORD{0});
  EXPECT_EQ(installFolderNames(), Names{"Ralvt.exe"});
}

}  // namespace
}  // namespace e2e
