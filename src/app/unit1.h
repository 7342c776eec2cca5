#pragma once
#include <string>
#include <string_view>

#include "description/class_registry.h"
#include "toolkit/form.h"
#include "toolkit/log_box.h"
#include "toolkit/panel.h"
#include "toolkit/timer.h"
#include "updater/install_record.h"
#include "widgets/lb_speed_button.h"

namespace app {

// The updater's one window: it reports what the installation record says, and on one click
// writes the carried build over the installed one. Its controls and their settings come from
// its window description, compiled into the program as the resource TFORM1.
class TForm1 : public toolkit::Form {
 public:
  explicit TForm1(const updater::InstallRecord& record);

  toolkit::Form& form() { return *this; }
  const std::string& installPath() const { return installPath_; }

  // The classes that the window's description speaks of.
  static const description::ClassRegistry& classes();
  // The description as the program carries it.
  static std::string_view description();

  // Event handlers. The description binds them by name (OnShow, OnKeyDown, Timer1's OnTimer and
  // each button's OnClick); Described, in unit1.cpp, offers them to the reader.
  void FormShow();
  void FormKeyDown(int key, unsigned shift);
  void Timer1Timer();
  // LbSpeedButton1's: "Inchide" ends the program.
  void Button1Click();
  // Button2's: installs the carried build.
  void Button2Click();

 private:
  void appendLog(std::string_view line) { Memo1.appendLine(line); }

  // Reads the description into the form before the controls below are looked up by name.
  struct Described {
    explicit Described(TForm1& form);
  };

  const updater::InstallRecord& record_;
  std::string installPath_;  // what the record's install folder said; empty until the check has run
  Described described_;

 public:
  // The window's controls, owned by the form; public so that tests can look at them as a person
  // would.
  toolkit::Panel& Panel1;
  // The close button, "Inchide", bottom right.
  widgets::TLbSpeedButton& LbSpeedButton1;
  // The upgrade button, "Actualizare la versiunea ...", bottom left; disabled until the check
  // finds an installation to upgrade.
  widgets::TLbSpeedButton& Button2;
  toolkit::LogBox& Memo1;
  toolkit::Timer& Timer1;
};

}  // namespace app
