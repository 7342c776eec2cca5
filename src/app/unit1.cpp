#include "app/unit1.h"

#include <stdexcept>
#include <string>

#include "app/build_constants.h"
#include "app/main_window_classes.h"
#include "description/description_reader.h"
#include "platform/files.h"
#include "platform/resources.h"
#include "toolkit/application.h"
#include "toolkit/message_dialog.h"
#include "updater/payload_writer.h"
#include "updater/upgrade.h"
#include "updater/version_text.h"

namespace app {
namespace {

using namespace std::string_literals;

std::string buildVersionText() {
  return updater::formatGeneral(kBuildVersion);
}

}  // namespace

TForm1::TForm1(const updater::InstallRecord& record)
    : record_(record),
      described_(*this),
      Panel1(componentNamed<toolkit::Panel>("Panel1")),
      LbSpeedButton1(componentNamed<widgets::TLbSpeedButton>("LbSpeedButton1")),
      Button2(componentNamed<widgets::TLbSpeedButton>("Button2")),
      Memo1(componentNamed<toolkit::LogBox>("Memo1")),
      Timer1(componentNamed<toolkit::Timer>("Timer1")) {}

TForm1::Described::Described(TForm1& form) {
  using toolkit::Component;
  description::Methods methods;
  methods.add<toolkit::NotifyEvent>("FormShow", [&form](Component&) { form.FormShow(); });
  methods.add<toolkit::KeyEvent>(
      "FormKeyDown", [&form](Component&, int key, unsigned shift) { form.FormKeyDown(key, shift); });
  methods.add<toolkit::NotifyEvent>("Timer1Timer", [&form](Component&) { form.Timer1Timer(); });
  methods.add<toolkit::NotifyEvent>("Button1Click", [&form](Component&) { form.Button1Click(); });
  methods.add<toolkit::NotifyEvent>("Button2Click", [&form](Component&) { form.Button2Click(); });
  description::loadDescription(form, description(), classes(), methods);
}

const description::ClassRegistry& TForm1::classes() {
  static const description::ClassRegistry registry = mainWindowClasses<TForm1>();
  return registry;
}

std::string_view TForm1::description() {
  const auto bytes = platform::findOwnResource("#10", "TFORM1");  // RCDATA
  if (!bytes) throw std::runtime_error("The program carries no description of its window");
  return {reinterpret_cast<const char*>(bytes->data()), bytes->size()};
}

void TForm1::FormShow() {
  // The build version is formatted by a locale-independent routine with "." as the decimal
  // separator, so the system's regional settings never reach the caption or the log.
  toolkit::application::processMessages();
  setCaption(std::string(kTargetTitle) + " - UpGrade v." + buildVersionText());
  Timer1.setEnabled(true);
  Memo1.focus();
}

void TForm1::FormKeyDown(int key, unsigned) {
  if (key == toolkit::kKeyEscape) toolkit::application::terminate();
}

void TForm1::Timer1Timer() {
  Timer1.setEnabled(false);  // the check runs once
  installPath_ = record_.ReadInstallValue("CALE");
  const std::string version = updater::cutVersionText(record_.ReadInstallValue("VER"));
  // Without an install folder from the root of a drive or share there is nowhere to install to:
  // a relative one would be taken from the current folder (the user's downloads, often), an empty
  // one would put the target at the root of the current drive.
  if (version.empty() || !platform::isAbsolutePath(installPath_)) {
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
  toolkit::application::terminate();
}

void TForm1::Button2Click() {
  switch (updater::upgradeTarget(installPath_, kTargetExeName)) {
    case updater::UpgradeOutcome::kPayloadDamaged:
      toolkit::showMessageDialog("Programul de actualizare este deteriorat. Descarcati-l din nou.",
                                 toolkit::DialogKind::kError);
      return;
    case updater::UpgradeOutcome::kNotWritten:
      toolkit::showMessageDialog("Inchideti mai intai "s + std::string(kTargetTitle) + "!",
                                 toolkit::DialogKind::kError);
      return;
    case updater::UpgradeOutcome::kInstalled:
      break;
  }
  // The button and the log tell of the install before the record is written, so that a record
  // that cannot be written still leaves them so.
  Button2.setEnabled(false);
  appendLog("Versiune actualizata.");
  record_.WriteInstallValue("VER", std::string(kTargetTitle) + " v." + buildVersionText());
  toolkit::showMessageDialog(
      std::string(kTargetTitle) + " a fost actualizata la versiunea " + buildVersionText() + ".",
      toolkit::DialogKind::kInformation);
  updater::removeReplacedTargets();  // the old file goes once nobody waits for it
}

}  // namespace app
