// A record whose install folder cannot be read ends the check at its first step: the window
// stays as it was created and the installed version is never looked at.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "app/unit1.h"
#include "platform/headless/registry.h"
#include "platform/registry.h"
#include "testing/main_window_fixture.h"
#include "testing/named_cases.h"
#include "toolkit/application.h"
#include "toolkit/headless/in_process_driver.h"

namespace app {
namespace {

using toolkit::headless::shownBoxes;

struct StoredValue {
  std::uint32_t type;
  std::string data;
};

struct FolderErrorCase : test_support::NamedCase {
  StoredValue cale;
  std::optional<StoredValue> ver;
  bool dataReadsFail;
  const char* report;
};

class InstallFolderError : public testing::MainWindowTest,
                           public ::testing::WithParamInterface<FolderErrorCase> {
 protected:
  void store(const char* name, const StoredValue& value) { storeRecord(name, value.type, value.data); }
};

TEST_P(InstallFolderError, IsReportedAloneAndLeavesTheWindowAsCreated) {
  const FolderErrorCase& k = GetParam();
  store("CALE", k.cale);
  if (k.ver) store("VER", *k.ver);
  platform::headless::registryFaults().failDataRead = k.dataReadsFail;
  window.form().show();
  toolkit::headless::tickTimers();

  // One report, about the folder: a version read after it would have reported itself or
  // written the log.
  ASSERT_EQ(shownBoxes().size(), 1u);
  EXPECT_EQ(shownBoxes()[0].title, "UpTK294Q");
  EXPECT_EQ(shownBoxes()[0].text, k.report);
  EXPECT_EQ(window.Memo1.text(), "");
  EXPECT_FALSE(window.Button2.enabled());
  EXPECT_EQ(window.Button2.caption(), "Cautare...");
  EXPECT_EQ(window.installPath(), "");
  EXPECT_FALSE(window.Timer1.enabled()) << "the check still runs only once";
}

const StoredValue kFolder{platform::kRegSz, std::string("D:\\App\0", 7)};
const StoredValue kVersion{platform::kRegSz, std::string("Ralvento v.2.50\0", 16)};
const StoredValue kNumber{platform::kRegDword, std::string("\x02\0\0\0", 4)};

INSTANTIATE_TEST_SUITE_P(Cases, InstallFolderError,
                         ::testing::Values(FolderErrorCase{"WrongTypeBesideAGoodVersion", kNumber, kVersion,
                                                           false, "Invalid data type for 'CALE'"},
                                           FolderErrorCase{"WrongTypeBesideAWrongVersion", kNumber, kNumber,
                                                           false, "Invalid data type for 'CALE'"},
                                           FolderErrorCase{"DataUnreadable", kFolder, kVersion, true,
                                                           "Failed to get data for 'CALE'"}),
                         test_support::ByCaseName{});

}  // namespace
}  // namespace app
