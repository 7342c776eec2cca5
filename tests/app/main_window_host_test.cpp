// The window's handlers over the headless toolkit and the in-memory record.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/unit1.h"
#include "platform/headless/registry.h"
#include "platform/registry.h"
#include "testing/main_window_fixture.h"
#include "testing/named_cases.h"
#include "toolkit/application.h"
#include "toolkit/headless/in_process_driver.h"
#include "toolkit/input.h"

namespace app {
namespace {

using Lines = std::vector<std::string>;
using toolkit::headless::BoxIcon;
using toolkit::headless::shownBoxes;

using MainWindow = testing::MainWindowTest;

TEST_F(MainWindow, CreatedStateBeforeShow) {
  EXPECT_EQ(window.form().caption(), "Ralvento");
  EXPECT_EQ(window.Memo1.text(), "");
  EXPECT_EQ(window.Button2.caption(), "Cautare...");
  EXPECT_FALSE(window.Button2.enabled());
  EXPECT_EQ(window.LbSpeedButton1.caption(), "Inchide");
  EXPECT_TRUE(window.LbSpeedButton1.enabled());
  EXPECT_FALSE(window.Timer1.enabled());
  EXPECT_EQ(window.Timer1.interval(), 1000u);
}

TEST_F(MainWindow, LayoutAndLook) {
  const auto& o = window.form().options();
  EXPECT_EQ(o.clientWidth, 441);
  EXPECT_EQ(o.clientHeight, 179);
  EXPECT_EQ(o.color, 0x001B5655u);
  EXPECT_TRUE(o.backgroundSeeThrough);
  EXPECT_TRUE(o.stayOnTop);
  EXPECT_EQ(o.font.name, "MS Sans Serif");
  EXPECT_EQ(o.font.height, -11);
  EXPECT_EQ(window.Panel1.bounds(), (graphics::Rect{8, 8, 433, 169}));
  EXPECT_EQ(window.Panel1.backgroundColor(), 0x005BCECBu);
  EXPECT_EQ(window.LbSpeedButton1.bounds(), (graphics::Rect{300, 120, 408, 151}));
  EXPECT_EQ(window.Button2.bounds(), (graphics::Rect{16, 120, 217, 151}));
  EXPECT_EQ(window.Button2.cursor(), toolkit::Cursor::kHandPoint);
  EXPECT_EQ(window.LbSpeedButton1.cursor(), toolkit::Cursor::kHandPoint);
}

TEST_F(MainWindow, ShowSetsCaptionAndWaitsASecondForTheCheck) {
  storeInstallation("C:\\Ralvento", "Ralvento v.2.50");
  window.form().show();
  EXPECT_EQ(window.form().caption(), "Ralvento - UpGrade v.2.63");
  EXPECT_TRUE(window.Timer1.enabled());
  EXPECT_EQ(window.Memo1.text(), "");
  EXPECT_FALSE(window.Button2.enabled());
  EXPECT_EQ(window.Button2.caption(), "Cautare...");
  // Centred on the 1024 x 768 headless screen.
  const auto r = window.form().screenBounds();
  EXPECT_LE(std::abs(r.left + r.right - 1024), 1);
  EXPECT_LE(std::abs(r.top + r.bottom - 768), 1);
}

struct CheckCase : test_support::NamedCase {
  const char* ver;  // nullptr: no value
  Lines log;
  bool enabled;
  const char* caption;
  const char* error;  // nullptr: no error report
};

class VersionCheck : public MainWindow, public ::testing::WithParamInterface<CheckCase> {};

TEST_P(VersionCheck, LogButtonAndReport) {
  const CheckCase& c = GetParam();
  record.WriteInstallValue("CALE", "D:\\App");
  if (c.ver) record.WriteInstallValue("VER", c.ver);
  showAndCheck();
  EXPECT_EQ(window.Memo1.lines(), c.log);
  EXPECT_EQ(window.Button2.enabled(), c.enabled);
  EXPECT_EQ(window.Button2.caption(), c.caption);
  EXPECT_FALSE(window.Timer1.enabled());
  if (c.error) {
    ASSERT_EQ(shownBoxes().size(), 1u);
    EXPECT_EQ(shownBoxes()[0].title, "UpTK294Q");
    EXPECT_EQ(shownBoxes()[0].text, c.error);
    EXPECT_EQ(shownBoxes()[0].icon, BoxIcon::kStop);
  } else {
    EXPECT_TRUE(shownBoxes().empty());
  }
}

const char* const kNotInstalled = "Programul Ralvento NU este instalat aici!";
const char* const kPath = "Cale Ralvento : D:\\App";
const char* const kCurrent = "Aveti deja ultima versiune!";
const char* const kUpgrade = "Actualizare la versiunea 2.63";

INSTANTIATE_TEST_SUITE_P(
    Versions, VersionCheck,
    ::testing::Values(
        CheckCase{"missing", nullptr, {kNotInstalled}, false, "Cautare...", nullptr},
        CheckCase{"zero", "0", {kNotInstalled}, false, "Cautare...", nullptr},
        CheckCase{"nonDigits", "Ralvento v.x.yz", {kNotInstalled}, false, "Cautare...", nullptr},
        CheckCase{"same",
                  "Ralvento v.2.63",
                  {kPath, "Versiune instalata     : 2.63", kCurrent},
                  true,
                  kUpgrade,
                  nullptr},
        CheckCase{
            "older", "Ralvento v.2.50", {kPath, "Versiune instalata     : 2.50"}, true, kUpgrade, nullptr},
        CheckCase{"olderMajorHigherMinor",
                  "Ralvento v.1.95",
                  {kPath, "Versiune instalata     : 1.95"},
                  true,
                  kUpgrade,
                  nullptr},
        CheckCase{"newerMajorLowerMinor",
                  "Ralvento v.3.10",
                  {kPath, "Versiune instalata     : 3.10", kCurrent},
                  true,
                  kUpgrade,
                  nullptr},
        CheckCase{"oneFractionDigit",
                  "Ralvento v.2.6",
                  {kPath, "Versiune instalata     : 2.6"},
                  true,
                  kUpgrade,
                  nullptr},
        CheckCase{"wholeNumber",
                  "Ralvento v.3",
                  {kPath, "Versiune instalata     : 3", kCurrent},
                  true,
                  kUpgrade,
                  nullptr},
        CheckCase{"leadingZeroCut",
                  "0.95",
                  {kPath, "Versiune instalata     : 95", kCurrent},
                  true,
                  kUpgrade,
                  nullptr},
        CheckCase{"tenMajor",
                  "Ralvento v.10.25",
                  {kPath, "Versiune instalata     : 10.25", kCurrent},
                  true,
                  kUpgrade,
                  nullptr},
        CheckCase{"fourFractionDigitsNewer",
                  "Ralvento v.2.6312",
                  {kPath, "Versiune instalata     : 2.6312", kCurrent},
                  true,
                  kUpgrade,
                  nullptr},
        CheckCase{"fourFractionDigitsOlder",
                  "Ralvento v.2.6299",
                  {kPath, "Versiune instalata     : 2.6299"},
                  true,
                  kUpgrade,
                  nullptr},
        CheckCase{"twelveMajor",
                  "Ralvento v.12.5",
                  {kPath, "Versiune instalata     : 12.5", kCurrent},
                  true,
                  kUpgrade,
                  nullptr},
        CheckCase{"trailingLetter", "Ralvento v.2.6b", {kNotInstalled}, false, "Cautare...", nullptr},
        CheckCase{"twoPoints", "v1.2.", {kPath, "Versiune instalata     : 2."}, true, kUpgrade, nullptr},
        CheckCase{"tooManyFractionDigits",
                  "Ralvento v.2.63125",
                  {kPath, "Versiune instalata     : 2.63125"},
                  false,
                  kUpgrade,
                  "'2.63125' is not a valid floating point value."},
        CheckCase{"tooLarge",
                  "Ralvento v.922337203685478",
                  {kPath, "Versiune instalata     : 922337203685478"},
                  false,
                  kUpgrade,
                  "'922337203685478' is not a valid floating point value."}),
    test_support::ByCaseName{});

struct FolderCase : test_support::NamedCase {
  const char* cale;  // nullptr: no value
  bool installed;
};

class InstallFolderText : public MainWindow, public ::testing::WithParamInterface<FolderCase> {};

// Only a folder from the root of a drive or share is an installation: any other text would be
// taken from the current folder or drive of the elevated process.
TEST_P(InstallFolderText, CountsAsInstalledOnlyWhenAbsolute) {
  const FolderCase& k = GetParam();
  if (k.cale) record.WriteInstallValue("CALE", k.cale);
  record.WriteInstallValue("VER", "Ralvento v.2.50");
  showAndCheck();
  const std::string cale = k.cale ? k.cale : "";
  const Lines expected =
      k.installed ? Lines{"Cale Ralvento : " + cale, "Versiune instalata     : 2.50"} : Lines{kNotInstalled};
  EXPECT_EQ(window.Memo1.lines(), expected);
  EXPECT_EQ(window.Button2.enabled(), k.installed);
  EXPECT_EQ(window.installPath(), cale);
}

INSTANTIATE_TEST_SUITE_P(Cases, InstallFolderText,
                         ::testing::Values(FolderCase{"Missing", nullptr, false},
                                           FolderCase{"Empty", "", false},
                                           FolderCase{"Relative", "Ralvento", false},
                                           FolderCase{"FromTheCurrentDrivesRoot", "\\Ralvento", false},
                                           FolderCase{"DrivesCurrentFolder", "D:Ralvento", false},
                                           FolderCase{"Drive", "D:\\App", true},
                                           FolderCase{"Share", "\\\\server\\share\\App", true}),
                         test_support::ByCaseName{});

TEST_F(MainWindow, MissingKeyGivesOneLineAndCreatesTheKey) {
  showAndCheck();
  EXPECT_EQ(window.Memo1.lines(), Lines{kNotInstalled});
  EXPECT_TRUE(platform::headless::registryKeyExists(record.keyPath()));
}

TEST_F(MainWindow, RecordErrorLeavesLogEmptyAndButtonDisabled) {
  record.WriteInstallValue("CALE", "D:\\App");
  storeRecord("VER", platform::kRegDword, std::string_view("\x02\0\0\0", 4));
  showAndCheck();
  EXPECT_EQ(window.Memo1.text(), "");
  EXPECT_FALSE(window.Button2.enabled());
  EXPECT_EQ(window.Button2.caption(), "Cautare...");
  EXPECT_EQ(window.installPath(), "D:\\App");  // read before the failing value
  ASSERT_EQ(shownBoxes().size(), 1u);
  EXPECT_EQ(shownBoxes()[0].text, "Invalid data type for 'VER'");  // ends in a quote: no period
  EXPECT_EQ(shownBoxes()[0].title, "UpTK294Q");
}

TEST_F(MainWindow, CheckRunsOnce) {
  storeInstallation("D:\\App", "Ralvento v.2.50");
  showAndCheck();
  toolkit::headless::tickTimers();
  toolkit::headless::tickTimers();
  EXPECT_EQ(window.Memo1.lines().size(), 2u);
}

TEST_F(MainWindow, EscapeWithAnyModifierEnds) {
  for (unsigned shift : {0u, unsigned{toolkit::kShiftKey}, unsigned{toolkit::kCtrlKey},
                         unsigned{toolkit::kAltKey}, unsigned{toolkit::kShiftKey | toolkit::kCtrlKey}}) {
    toolkit::headless::resetUi();
    toolkit::headless::pressKey(window.form(), 'A', shift);
    EXPECT_FALSE(toolkit::application::terminationRequested()) << shift;
    toolkit::headless::pressKey(window.form(), toolkit::kKeyEscape, shift);
    EXPECT_TRUE(toolkit::application::terminationRequested()) << shift;
  }
}

TEST_F(MainWindow, CloseButtonClickEnds) {
  const auto& b = window.LbSpeedButton1.bounds();
  const graphics::Point inside{b.left + 10, b.top + 10};
  window.Panel1.handleMouseDown(toolkit::MouseButton::kLeft, 0, inside, false);
  EXPECT_FALSE(toolkit::application::terminationRequested());
  window.Panel1.handleMouseUp(toolkit::MouseButton::kLeft, 0, inside);
  EXPECT_TRUE(toolkit::application::terminationRequested());
}

TEST_F(MainWindow, ReleaseOutsideTheButtonDoesNotClick) {
  const auto& b = window.LbSpeedButton1.bounds();
  window.Panel1.handleMouseDown(toolkit::MouseButton::kLeft, 0, {b.left + 5, b.top + 5}, false);
  EXPECT_TRUE(window.LbSpeedButton1.down());
  window.Panel1.handleMouseUp(toolkit::MouseButton::kLeft, 0, {b.left - 5, b.top + 5});
  EXPECT_FALSE(window.LbSpeedButton1.down());
  EXPECT_FALSE(toolkit::application::terminationRequested());
}

TEST_F(MainWindow, DisabledUpgradeButtonIgnoresClicks) {
  const auto& b = window.Button2.bounds();
  window.Panel1.handleMouseDown(toolkit::MouseButton::kLeft, 0, {b.left + 5, b.top + 5}, false);
  window.Panel1.handleMouseUp(toolkit::MouseButton::kLeft, 0, {b.left + 5, b.top + 5});
  EXPECT_FALSE(window.Button2.down());
  EXPECT_TRUE(shownBoxes().empty());
}

}  // namespace
}  // namespace app
