#include "app/unit1.h"

#include <stdexcept>
#include <string>

#include "app/build_constants.h"
#include "platform/application.h"
#include "platform/message_dialog.h"
#include "updater/payload_writer.h"
#include "updater/version_text.h"

namespace app {
namespace {

using namespace std::string_literals;

platform::FormOptions mainFormOptions() {
  platform::FormOptions o;
  o.caption = kTargetTitle;
  o.clientWidth = 441;
  o.clientHeight = 179;
  o.color = 0x001B5655;
  o.backgroundSeeThrough = true;  // the margin around the panel shows what lies behind
  o.stayOnTop = true;
  o.iconResource = "MAINICON";
  return o;
}

std::string buildVersionText() {
  return updater::formatGeneral(kBuildVersion);
}

}  // namespace

TForm1::TForm1(const updater::InstallRecord& record)
    : record_(record),
      form_(mainFormOptions()),
      Panel1(form_, {8, 8, 8 + 425, 8 + 161}, 0x005BCECB),
      Memo1(Panel1, {16, 16, 16 + 393, 16 + 97}, 0x00AFE7E6, form_.options().font),
      LbSpeedButton1(Panel1, {300, 120, 300 + 108, 120 + 31}),
      Button2(Panel1, {16, 120, 16 + 201, 120 + 31}),
      Timer1(form_, 1000) {
  for (widgets::PushButton* button : {&LbSpeedButton1, &Button2}) {
    button->setCursor(platform::Cursor::kHandPoint);
    button->setFont(form_.options().font);
  }
  LbSpeedButton1.setCaption("Inchide");
  LbSpeedButton1.onClick = [this] { Button1Click(); };
  Button2.setCaption("Cautare...");
  Button2.setEnabled(false);
  Button2.onClick = [this] { Button2Click(); };
  Timer1.onTimer = [this] { Timer1Timer(); };
  form_.onShow = [this] { FormShow(); };
  form_.onKeyDown = [this](int key, unsigned shift) { FormKeyDown(key, shift); };
}

void TForm1::FormShow() {
  // The build version is formatted by a locale-independent routine with "." as the decimal
  // separator, so the system's regional settings never reach the caption or the log.
  platform::application::processMessages();
  form_.setCaption(std::string(kTargetTitle) + " - UpGrade v." + buildVersionText());
  Timer1.setEnabled(true);
  Memo1.focus();
}

void TForm1::FormKeyDown(int key, unsigned) {
  if (key == platform::kKeyEscape) platform::application::terminate();
}

void TForm1::Timer1Timer() {
  Timer1.setEnabled(false);  // the check runs once
  installPath_ = record_.ReadInstallValue("CALE");
  const std::string version = updater::cutVersionText(record_.ReadInstallValue("VER"));
  // Without an install folder there is nowhere to install to: the target file would land at the
  // root of the current drive.
  if (version.empty() || installPath_.empty()) {
    appendLog("Programul "s + std::string(kTargetTitle) + " NU este instalat aici!");
    Button2.setEnabled(false);
    return;
  }
  appendLog("Cale "s + std::string(kTargetTitle) + " : " + installPath_);
  appendLog("Versiune instalata     : " + version);
  Button2.setCaption("Actualizare la versiunea " + buildVersionText());
  // The whole version counts, not only its fraction: 1.95 is older than 2.63 and 3.10 newer.
  const auto installed = updater::parseDecimal(version);
  if (!installed) throw std::runtime_error("'" + version + "' is not a valid floating point value");
  if (*installed >= kBuildVersion) appendLog("Aveti deja ultima versiune!");
  Button2.setEnabled(true);
}

void TForm1::Button1Click() {
  platform::application::terminate();
}

void TForm1::Button2Click() {
  const std::string target = installPath_ + "\\" + std::string(kTargetExeName);
  if (!updater::ExtractPayload("Exe", "UpGrade", target)) {
    platform::showMessageDialog("Inchideti mai intai "s + std::string(kTargetTitle) + "!",
                                platform::DialogKind::kError);
    return;
  }
  Button2.setEnabled(false);
  appendLog("Versiune actualizata.");
  record_.WriteInstallValue("VER", std::string(kTargetTitle) + " v." + buildVersionText());
  platform::showMessageDialog(
      std::string(kTargetTitle) + " a fost actualizata la versiunea " + buildVersionText() + ".",
      platform::DialogKind::kInformation);
}

}  // namespace app
