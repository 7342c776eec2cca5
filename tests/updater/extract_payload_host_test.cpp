#include <gtest/gtest.h>

#include "platform/headless/resources.h"
#include "testing/scratch_folder.h"
#include "updater/payload_writer.h"

namespace updater {
namespace {

using namespace test_support;

class ExtractOwnPayload : public ::testing::Test {
 protected:
  void SetUp() override { platform::registerOwnResource("EXE", "UPGRADE", payload); }
  void TearDown() override { platform::unregisterOwnResource("EXE", "UPGRADE"); }

  ScratchFolder scratch;
  const std::vector<std::byte> payload = patternBytes(65'536, 12);
};

TEST_F(ExtractOwnPayload, FindsTheResourceWhateverTheCaseOfItsNames) {
  const std::string target = scratch.path("Ralvt.exe");
  EXPECT_TRUE(ExtractPayload("Exe", "UpGrade", target));
  EXPECT_TRUE(sameBytes(readFile(target), payload));
}

TEST_F(ExtractOwnPayload, WithoutSuchResourceFailsAndTouchesNothing) {
  const std::string target = scratch.path("Ralvt.exe");
  const auto old = patternBytes(100, 13);
  writeFile(target, old);
  EXPECT_FALSE(ExtractPayload("Exe", "Downgrade", target));
  EXPECT_FALSE(ExtractPayload("Dll", "UpGrade", target));
  EXPECT_TRUE(sameBytes(readFile(target), old));
  EXPECT_EQ(scratch.fileNames(), Names{"Ralvt.exe"});
}

}  // namespace
}  // namespace updater
