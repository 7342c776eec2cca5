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

// The gold look that both buttons share, with a font colour of their own.
widgets::TLbSpeedButton& makeButton(platform::Form& owner, platform::Panel& parent, std::string_view name,
                                    const platform::Rect& bounds, std::string_view caption) {
  auto& button = owner.own<widgets::TLbSpeedButton>();
  button.beginLoading();  // nothing is drawn until every setting is in
  button.setName(name);
  button.setParent(&parent);
  button.setBounds(bounds);
  button.setCaption(caption);
  button.setStyle(widgets::bsModern);
  button.setColor(0x0000C0C0);
  button.setHotTrackColor(0x0000DFDF);
  button.setLightColor(widgets::clYellow);
  button.setShadowColor(widgets::clOlive);
  button.setAlignment(widgets::taCenter);
  button.setCursor(platform::Cursor::kHandPoint);
  platform::Font font;
  font.style = platform::kFontBold;
  font.color = 0x00005555;
  button.setFont(font);
  button.endLoading();
  return button;
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
      LbSpeedButton1(makeButton(form_, Panel1, "LbSpeedButton1", {300, 120, 300 + 108, 120 + 31}, "Inchide")),
      Button2(makeButton(form_, Panel1, "Button2", {16, 120, 16 + 201, 120 + 31}, "Cautare...")),
      Timer1(form_, 1000) {
  LbSpeedButton1.onClick = [this](platform::Component&) { Button1Click(); };
  Button2.setEnabled(false);
  Button2.onClick = [this](platform::Component&) { Button2Click(); };
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
  updater::removeReplacedTargets();  // the old file goes once nobody waits for it
}

}  // namespace app
