// The upgrade click over the headless toolkit, the in-memory record and real files.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/unit1.h"
#include "platform/headless/registry.h"
#include "platform/headless/resources.h"
#include "testing/main_window_fixture.h"
#include "testing/scratch_folder.h"
#include "toolkit/application.h"
#include "toolkit/headless/in_process_driver.h"
#include "updater/payload_digest.h"
#include "updater/payload_writer.h"

namespace app {
namespace {

using toolkit::headless::BoxIcon;
using toolkit::headless::shownBoxes;
using namespace test_support;

class UpgradeClick : public testing::MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    platform::registerOwnResource("EXE", "UPGRADE", payload);
    platform::registerOwnResource("#10", "UPGRADE_XXH128", std::as_bytes(std::span(digest)));
    writeFile(target(), oldFile);
  }
  void TearDown() override {
    updater::removeReplacedTargets();
    platform::unregisterOwnResource("EXE", "UPGRADE");
    platform::unregisterOwnResource("#10", "UPGRADE_XXH128");
    MainWindowTest::TearDown();
  }

  // The install folder as the record holds it: without the trailing separator.
  std::string installFolder() const {
    const std::string folder = scratch.folder();
    return folder.substr(0, folder.size() - 1);
  }
  std::string target() const { return scratch.path("Ralvt.exe"); }

  void checkInstalled(std::string_view folder) {
    storeInstallation(folder, "Ralvento v.2.50");
    showAndCheck();
    ASSERT_TRUE(window.Button2.enabled());
  }
  void clickUpgrade() {
    const auto& b = window.Button2.bounds();
    const graphics::Point inside{b.left + 20, b.top + 10};
    window.Panel1.handleMouseDown(toolkit::MouseButton::kLeft, 0, inside, false);
    window.Panel1.handleMouseUp(toolkit::MouseButton::kLeft, 0, inside);
  }

  ScratchFolder scratch;
  const std::vector<std::byte> payload = patternBytes(300'000, 7);
  const std::string digest = updater::payloadDigest(payload);
  const std::vector<std::byte> oldFile = patternBytes(500'000, 3);
};

TEST_F(UpgradeClick, SuccessReplacesTheFileRecordsTheVersionAndConfirms) {
  checkInstalled(installFolder());
  bool pressedWhileConfirming = false;
  Names namesWhileConfirming;
  toolkit::headless::setBoxObserver([&](const auto&) {
    pressedWhileConfirming = window.Button2.down();
    namesWhileConfirming = scratch.fileNames();
  });
  clickUpgrade();

  ASSERT_EQ(shownBoxes().size(), 1u);
  EXPECT_EQ(shownBoxes()[0].title, "Information");
  EXPECT_EQ(shownBoxes()[0].text, "Ralvento a fost actualizata la versiunea 2.63.");
  EXPECT_EQ(shownBoxes()[0].icon, BoxIcon::kInformation);
  EXPECT_TRUE(pressedWhileConfirming) << "the click runs before the button comes up";
  EXPECT_FALSE(window.Button2.down());
  EXPECT_FALSE(window.Button2.enabled());
  EXPECT_EQ(window.Memo1.lines().back(), "Versiune actualizata.");
  EXPECT_EQ(record.ReadInstallValue("VER"), "Ralvento v.2.63");
  EXPECT_TRUE(sameBytes(readFile(target()), payload));
  // The user does not wait for the old file to be deleted: that comes after the confirmation.
  EXPECT_EQ(namesWhileConfirming.size(), 2u);
  EXPECT_EQ(scratch.fileNames(), Names{"Ralvt.exe"});
}

TEST_F(UpgradeClick, InstallFolderWithTrailingSeparatorWorks) {
  checkInstalled(scratch.folder());
  clickUpgrade();
  ASSERT_EQ(shownBoxes().size(), 1u);
  EXPECT_EQ(shownBoxes()[0].title, "Information");
  EXPECT_TRUE(sameBytes(readFile(target()), payload));
}

TEST_F(UpgradeClick, FailureAsksToCloseTheTargetAndChangesNothing) {
  checkInstalled(scratch.path("missing-folder"));
  const auto logBefore = window.Memo1.text();
  clickUpgrade();

  ASSERT_EQ(shownBoxes().size(), 1u);
  EXPECT_EQ(shownBoxes()[0].title, "Error");
  EXPECT_EQ(shownBoxes()[0].text, "Inchideti mai intai Ralvento!");
  EXPECT_EQ(shownBoxes()[0].icon, BoxIcon::kError);
  EXPECT_TRUE(window.Button2.enabled()) << "the user may close the target and try again";
  EXPECT_EQ(window.Memo1.text(), logBefore);
  EXPECT_EQ(record.ReadInstallValue("VER"), "Ralvento v.2.50");
  EXPECT_TRUE(sameBytes(readFile(target()), oldFile));
}

TEST_F(UpgradeClick, VersionThatCannotBeRecordedIsReportedWithoutConfirmation) {
  checkInstalled(installFolder());
  platform::headless::registryFaults().failWrite = true;
  clickUpgrade();

  ASSERT_EQ(shownBoxes().size(), 1u);
  EXPECT_EQ(shownBoxes()[0].title, "UpTK294Q");
  EXPECT_EQ(shownBoxes()[0].text, "Failed to set data for 'VER'");
  EXPECT_EQ(shownBoxes()[0].icon, BoxIcon::kStop);
  EXPECT_FALSE(window.Button2.down()) << "the failing handler must not leave the button pressed";
  EXPECT_FALSE(window.Button2.enabled());
  EXPECT_EQ(window.Memo1.lines().back(), "Versiune actualizata.");
  EXPECT_TRUE(sameBytes(readFile(target()), payload)) << "the new executable is in place";
  platform::headless::registryFaults().failWrite = false;
  EXPECT_EQ(record.ReadInstallValue("VER"), "Ralvento v.2.50");
}

TEST_F(UpgradeClick, ADamagedPayloadIsRefusedBeforeTheInstallFolderIsTouched) {
  checkInstalled(installFolder());
  // A leftover of an earlier run: an installation would remove it.
  writeFile(scratch.path("Ralvt.exe.upd-1f4-0.tmp"), patternBytes(100, 9));
  const Names before = scratch.fileNames();
  const auto logBefore = window.Memo1.text();
  std::vector<std::byte> damaged = payload;
  damaged[damaged.size() / 2] ^= std::byte{0x01};
  platform::registerOwnResource("EXE", "UPGRADE", damaged);
  for (const bool withDigest : {true, false}) {
    SCOPED_TRACE(withDigest ? "one byte flipped" : "no digest");
    if (!withDigest) {
      platform::registerOwnResource("EXE", "UPGRADE", payload);
      platform::unregisterOwnResource("#10", "UPGRADE_XXH128");
    }
    const std::size_t boxesBefore = shownBoxes().size();
    clickUpgrade();

    ASSERT_EQ(shownBoxes().size(), boxesBefore + 1);
    EXPECT_EQ(shownBoxes().back().title, "Error");
    EXPECT_EQ(shownBoxes().back().text, "Programul de actualizare este deteriorat. Descarcati-l din nou.");
    EXPECT_EQ(shownBoxes().back().icon, BoxIcon::kError);
    EXPECT_TRUE(window.Button2.enabled());
    EXPECT_EQ(window.Memo1.text(), logBefore);
    EXPECT_EQ(record.ReadInstallValue("VER"), "Ralvento v.2.50");
    EXPECT_EQ(scratch.fileNames(), before);
    EXPECT_TRUE(sameBytes(readFile(target()), oldFile));
  }
}

}  // namespace
}  // namespace app
