#pragma once
#include <string>
#include <string_view>

#include "platform/form.h"
#include "platform/log_box.h"
#include "platform/panel.h"
#include "platform/timer.h"
#include "updater/install_record.h"
#include "widgets/lb_speed_button.h"

namespace app {

// The updater's one window: it reports what the installation record says, and on one click
// writes the carried build over the installed one.
class TForm1 {
 public:
  explicit TForm1(const updater::InstallRecord& record);

  platform::Form& form() { return form_; }
  const std::string& installPath() const { return installPath_; }

  // Event handlers.
  void FormShow();
  void FormKeyDown(int key, unsigned shift);
  void Timer1Timer();
  void Button1Click();
  void Button2Click();

 private:
  void appendLog(std::string_view line) { Memo1.appendLine(line); }

  const updater::InstallRecord& record_;
  std::string installPath_;  // what the record's install folder said; empty until the check has run

  platform::Form form_;

 public:
  // The window's controls, public so that tests can look at them as a person would.
  platform::Panel Panel1;
  platform::LogBox Memo1;                   // unowned: destroyed before its panel
  widgets::TLbSpeedButton& LbSpeedButton1;  // owned by the form
  widgets::TLbSpeedButton& Button2;
  platform::Timer Timer1;
};

}  // namespace app
