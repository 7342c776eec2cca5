#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <string_view>

#include "app/unit1.h"
#include "platform/headless/registry.h"
#include "testing/record_values.h"
#include "toolkit/application.h"
#include "toolkit/headless/in_process_driver.h"

namespace app::testing {

// The main window over an empty in-memory registry and a fresh headless toolkit, the
// application titled as the program titles it.
class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    reset();
    toolkit::application::setTitle("UpTK294Q");
  }
  void TearDown() override { reset(); }

  void storeRecord(const char* name, std::uint32_t type, std::string_view data) {
    test_support::storeRecordValue(record, name, type, data);
  }
  void storeInstallation(std::string_view path, std::string_view version) {
    record.WriteInstallValue("CALE", path);
    record.WriteInstallValue("VER", version);
  }
  // The window is shown and its one-shot check runs.
  void showAndCheck() {
    window.form().show();
    toolkit::headless::tickTimers();
  }

  updater::InstallRecord record{37};
  TForm1 window{record};

 private:
  static void reset() {
    platform::headless::resetRegistry();
    toolkit::headless::resetUi();
  }
};

}  // namespace app::testing
