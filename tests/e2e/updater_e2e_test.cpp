// The real updater under Wine, driven from outside as a person would drive it.
#include <gtest/gtest.h>

#include <cstdlib>

#include "e2e_fixture.h"
#include "payload_compare.h"
#include "platform/registry.h"

namespace e2e {
namespace {

using driver::BoxIcon;

constexpr char kNotInstalled[] = "Programul Ralvento NU este instalat aici!\r\n";
constexpr DWORD kNoBoxWait = 1500;

TEST_F(UpdaterTest, NotInstalledGivesOneLineAndAnInertUpgradeButton) {
  const auto window = startUpdater(1);
  EXPECT_EQ(driver::windowText(window.form), "Ralvento - UpGrade v.2.63");
  EXPECT_EQ(driver::logText(window), kNotInstalled);
  screenshot(window.form, "not-installed");
  driver::clickButton(window, kUpgradeButton);
  EXPECT_TRUE(driver::noMessageBoxFor(updater_->id(), kNoBoxWait));
  EXPECT_EQ(driver::logText(window), kNotInstalled);
  driver::pressKey(window, VK_ESCAPE, 0);
  EXPECT_EQ(exitCode(), DWORD{0});
}

TEST_F(UpdaterTest, WindowIsTheDesignedFixedTopmostWindowCentredOnTheScreen) {
  const auto window = startUpdater(1);
  RECT client;
  GetClientRect(window.form, &client);
  EXPECT_EQ(client.right, 441);
  EXPECT_EQ(client.bottom, 179);
  RECT frame;
  GetWindowRect(window.form, &frame);
  EXPECT_TRUE(driver::centredOnScreen(frame));

  const LONG style = GetWindowLongA(window.form, GWL_STYLE);
  const LONG exStyle = GetWindowLongA(window.form, GWL_EXSTYLE);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_FALSE(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX)) << "fixed, no minimise or maximise";
  EXPECT_TRUE(exStyle & WS_EX_TOPMOST);
  EXPECT_TRUE(exStyle & WS_EX_LAYERED) << "the background colour is a see-through key";

  const LONG logStyle = GetWindowLongA(window.log, GWL_STYLE);
  EXPECT_TRUE(logStyle & ES_MULTILINE);
  EXPECT_TRUE(logStyle & ES_READONLY);
  EXPECT_FALSE(logStyle & (WS_VSCROLL | WS_HSCROLL | ES_AUTOHSCROLL)) << "no scroll bars, long lines wrap";

  Sleep(200);
  RECT logBox;
  GetClientRect(window.log, &logBox);
  EXPECT_EQ(driver::screenPixel(window.log, logBox.right - 3, logBox.bottom - 3), COLORREF{0x00AFE7E6});
  EXPECT_EQ(driver::screenPixel(window.panel, 12, 116), COLORREF{0x005BCECB})
      << "the panel between log and buttons";
  driver::pressKey(window, VK_ESCAPE, 0);
  EXPECT_EQ(exitCode(), DWORD{0});
}

TEST_F(UpdaterTest, UpgradeWritesThePayloadRecordsTheVersionAndConfirms) {
  const std::string folder = prepareInstallFolder(true);
  storeRecord(folder, "Ralvento v.2.50");
  const auto window = startUpdater(2);
  EXPECT_EQ(driver::logText(window), "Cale Ralvento : " + folder + "\r\nVersiune instalata     : 2.50\r\n");
  screenshot(window.form, "1-installed-2.50");

  driver::clickButton(window, kUpgradeButton);
  const auto box = driver::waitForMessageBox(updater_->id(), 30000);
  ASSERT_TRUE(box);
  EXPECT_EQ(box->title, "Information");
  EXPECT_EQ(box->text, "Ralvento a fost actualizata la versiunea 2.63.");
  EXPECT_EQ(box->icon, BoxIcon::kInformation);
  screenshot(box->hwnd, "2-confirmation");
  driver::pressOk(*box);

  EXPECT_EQ(driver::waitForLogLines(window, 3, 5000),
            "Cale Ralvento : " + folder + "\r\nVersiune instalata     : 2.50\r\nVersiune actualizata.\r\n");
  EXPECT_EQ(recordValue("VER"), "Ralvento v.2.63");
  const auto same = driver::fileEqualsCarriedPayload(UPDATER_EXE, targetFile());
  EXPECT_EQ(same, true);
  screenshot(window.form, "3-updated");

  // The button is disabled now: a further click does nothing.
  driver::clickButton(window, kUpgradeButton);
  EXPECT_TRUE(driver::noMessageBoxFor(updater_->id(), kNoBoxWait));
  driver::closeByCloseBox(window);
  EXPECT_EQ(exitCode(), DWORD{0});

  const auto next = startUpdater(3);
  EXPECT_EQ(
      driver::logText(next),
      "Cale Ralvento : " + folder + "\r\nVersiune instalata     : 2.63\r\nAveti deja ultima versiune!\r\n");
  screenshot(next.form, "4-next-run");
  driver::clickButton(next, kCloseButton);
  EXPECT_EQ(exitCode(), DWORD{0});
}

TEST_F(UpdaterTest, TargetHeldOpenGivesTheErrorDialogAndSucceedsAfterRelease) {
  const std::string folder = prepareInstallFolder(true);
  storeRecord(folder, "Ralvento v.2.50");
  const std::string before = fileBytes(targetFile());
  const HANDLE held = CreateFileA(targetFile().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  const auto window = startUpdater(2);

  driver::clickButton(window, kUpgradeButton);
  const auto error = driver::waitForMessageBox(updater_->id(), 30000);
  ASSERT_TRUE(error);
  EXPECT_EQ(error->title, "Error");
  EXPECT_EQ(error->text, "Inchideti mai intai Ralvento!");
  EXPECT_EQ(error->icon, BoxIcon::kError);
  EXPECT_TRUE(driver::centredOnScreen(error->bounds));
  screenshot(error->hwnd, "error");
  driver::pressOk(*error);
  driver::waitUntil([&] { return !IsWindow(error->hwnd); }, 5000);
  CloseHandle(held);
  EXPECT_EQ(fileBytes(targetFile()), before);
  EXPECT_EQ(recordValue("VER"), "Ralvento v.2.50");
  EXPECT_EQ(driver::logText(window).find("Versiune actualizata."), std::string::npos);

  driver::clickButton(window, kUpgradeButton);  // still enabled
  const auto confirmation = driver::waitForMessageBox(updater_->id(), 30000);
  ASSERT_TRUE(confirmation);
  EXPECT_EQ(confirmation->title, "Information");
  driver::pressOk(*confirmation);
  EXPECT_EQ(driver::fileEqualsCarriedPayload(UPDATER_EXE, targetFile()), true);
  EXPECT_EQ(recordValue("VER"), "Ralvento v.2.63");
}

TEST_F(UpdaterTest, RunningTargetIsLeftAloneUntilItEnds) {
  const std::string folder = prepareInstallFolder(true);
  storeRecord(folder, "Ralvento v.2.50");
  const std::string before = fileBytes(targetFile());
  auto target = std::make_unique<driver::Process>("\"" + targetFile() + "\"");
  ASSERT_TRUE(target->started());
  const auto window = startUpdater(2);

  driver::clickButton(window, kUpgradeButton);
  const auto error = driver::waitForMessageBox(updater_->id(), 30000);
  ASSERT_TRUE(error);
  EXPECT_EQ(error->text, "Inchideti mai intai Ralvento!");
  driver::pressOk(*error);
  EXPECT_EQ(fileBytes(targetFile()), before);

  target.reset();  // the user closes Ralvento
  driver::waitUntil([&] { return !IsWindow(error->hwnd); }, 5000);
  driver::clickButton(window, kUpgradeButton);
  const auto confirmation = driver::waitForMessageBox(updater_->id(), 30000);
  ASSERT_TRUE(confirmation);
  EXPECT_EQ(confirmation->title, "Information");
  driver::pressOk(*confirmation);
  EXPECT_EQ(driver::fileEqualsCarriedPayload(UPDATER_EXE, targetFile()), true);
}

TEST_F(UpdaterTest, WronglyTypedVersionIsReportedAndLeavesTheLogEmpty) {
  const std::string folder = prepareInstallFolder(true);
  storeRecord(folder, std::nullopt);
  {
    auto key = platform::MachineKey::open(kRecordKey);
    ASSERT_TRUE(key);
    ASSERT_TRUE(key->setValue("VER", platform::kRegDword, std::string("\x02\0\0\0", 4)));
  }
  const auto window = startUpdater(0);
  const auto report = driver::waitForMessageBox(updater_->id(), 10000);
  ASSERT_TRUE(report);
  EXPECT_EQ(report->title, "UpTK294Q");
  EXPECT_EQ(report->text, "Invalid data type for 'VER'");
  EXPECT_EQ(report->icon, BoxIcon::kError);  // the stop icon is the error icon
  screenshot(report->hwnd, "report");
  driver::pressOk(*report);
  EXPECT_EQ(driver::logText(window), "");
  driver::clickButton(window, kUpgradeButton);
  EXPECT_TRUE(driver::noMessageBoxFor(updater_->id(), kNoBoxWait));
  driver::clickButton(window, kCloseButton);
  EXPECT_EQ(exitCode(), DWORD{0});
}

TEST_F(UpdaterTest, VersionThatIsNoNumberIsReportedWithAPeriod) {
  storeRecord("C:\\Ralvento", "Ralvento v.2.63125");
  const auto window = startUpdater(2);
  const auto report = driver::waitForMessageBox(updater_->id(), 10000);
  ASSERT_TRUE(report);
  EXPECT_EQ(report->text, "'2.63125' is not a valid floating point value.");
  driver::pressOk(*report);
  EXPECT_EQ(driver::logText(window), "Cale Ralvento : C:\\Ralvento\r\nVersiune instalata     : 2.63125\r\n");
  driver::clickButton(window, kUpgradeButton);  // left disabled
  EXPECT_TRUE(driver::noMessageBoxFor(updater_->id(), kNoBoxWait));
}

TEST_F(UpdaterTest, CaptionIgnoresARegionalDecimalComma) {
  HKEY international = nullptr;
  ASSERT_EQ(
      RegOpenKeyExA(HKEY_CURRENT_USER, "Control Panel\\International", 0, KEY_ALL_ACCESS, &international),
      ERROR_SUCCESS);
  char saved[16] = {};
  DWORD size = sizeof saved;
  const bool hadValue = RegQueryValueExA(international, "sDecimal", nullptr, nullptr,
                                         reinterpret_cast<BYTE*>(saved), &size) == ERROR_SUCCESS;
  RegSetValueExA(international, "sDecimal", 0, REG_SZ, reinterpret_cast<const BYTE*>(","), 2);
  storeRecord("C:\\Ralvento", "Ralvento v.2.50");
  const auto window = startUpdater(2);
  EXPECT_EQ(driver::windowText(window.form), "Ralvento - UpGrade v.2.63");
  EXPECT_EQ(driver::logText(window), "Cale Ralvento : C:\\Ralvento\r\nVersiune instalata     : 2.50\r\n");
  if (hadValue) {
    RegSetValueExA(international, "sDecimal", 0, REG_SZ, reinterpret_cast<const BYTE*>(saved), size);
  } else {
    RegDeleteValueA(international, "sDecimal");
  }
  RegCloseKey(international);
}

class EscapeKey : public UpdaterTest, public ::testing::WithParamInterface<unsigned> {};

TEST_P(EscapeKey, EndsTheProgramWithAnyModifier) {
  const auto window = startUpdater(1);
  driver::pressKey(window, 'A', GetParam());
  Sleep(200);
  EXPECT_FALSE(exitCode(0));
  driver::pressKey(window, VK_ESCAPE, GetParam());
  EXPECT_EQ(exitCode(), DWORD{0});
}

INSTANTIATE_TEST_SUITE_P(Modifiers, EscapeKey,
                         ::testing::Values(0u, unsigned{MOD_SHIFT}, unsigned{MOD_CONTROL},
                                           unsigned{MOD_ALT}));

}  // namespace
}  // namespace e2e
