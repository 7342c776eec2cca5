// Failures that only the in-memory store can produce on demand.
#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

#include "platform/headless/registry.h"
#include "updater/install_record.h"

namespace updater {
namespace {

class InstallRecordFaults : public ::testing::Test {
 protected:
  void SetUp() override { platform::headless::resetRegistry(); }
  void TearDown() override { platform::headless::resetRegistry(); }

  static std::string errorOf(const std::function<void()>& action) {
    try {
      action();
    } catch (const std::runtime_error& e) {
      return e.what();
    }
    return "no error";
  }

  InstallRecord record{37};
};

TEST_F(InstallRecordFaults, KeyThatCannotBeOpenedReadsEmptyAndFailsWrites) {
  record.WriteInstallValue("VER", "Ralvento v.2.50");
  platform::headless::registryFaults().denyOpen = true;
  EXPECT_EQ(record.ReadInstallValue("VER"), "");
  EXPECT_EQ(errorOf([&] { record.WriteInstallValue("VER", "Ralvento v.2.63"); }),
            "Failed to set data for 'VER'");
}

TEST_F(InstallRecordFaults, FailingWriteIsReported) {
  platform::headless::registryFaults().failWrite = true;
  EXPECT_EQ(errorOf([&] { record.WriteInstallValue("VER", "Ralvento v.2.63"); }),
            "Failed to set data for 'VER'");
}

TEST_F(InstallRecordFaults, FailingDataReadIsReported) {
  record.WriteInstallValue("CALE", "C:\\Ralvento");
  platform::headless::registryFaults().failDataRead = true;
  EXPECT_EQ(errorOf([&] { record.ReadInstallValue("CALE"); }), "Failed to get data for 'CALE'");
}

TEST_F(InstallRecordFaults, FirstReadCreatesTheKey) {
  EXPECT_FALSE(platform::headless::registryKeyExists("Software\\Kerovana\\37"));
  record.ReadInstallValue("CALE");
  EXPECT_TRUE(platform::headless::registryKeyExists("Software\\Kerovana\\37"));
}

}  // namespace
}  // namespace updater
