// Runs over the in-memory store on the host and over the real registry under Wine.
#include "updater/install_record.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "platform/registry.h"
#include "testing/named_cases.h"
#include "testing/record_values.h"

namespace updater {
namespace {

// A record of its own, so that the real record is never touched.
constexpr unsigned kTestKeyNumber = 237;

class InstallRecordTest : public ::testing::Test {
 protected:
  void SetUp() override { platform::MachineKey::remove(record.keyPath()); }
  void TearDown() override { platform::MachineKey::remove(record.keyPath()); }

  void store(std::string_view name, std::uint32_t type, std::string_view data) {
    test_support::storeRecordValue(record, name, type, data);
  }

  InstallRecord record{kTestKeyNumber};
};

TEST_F(InstallRecordTest, KeyPathFollowsKeyNumber) {
  EXPECT_EQ(record.keyPath(), "Software\\Kerovana\\237");
}

TEST_F(InstallRecordTest, MissingKeyIsCreatedEmptyOnFirstRead) {
  EXPECT_EQ(record.ReadInstallValue("VER"), "");
  auto key = platform::MachineKey::open(record.keyPath());
  ASSERT_TRUE(key);
  EXPECT_FALSE(key->queryInfo("VER"));
}

struct ReadCase : test_support::NamedCase {
  std::uint32_t type;
  std::string_view data;
  std::string_view expected;
};

class InstallRecordRead : public InstallRecordTest, public ::testing::WithParamInterface<ReadCase> {};

TEST_P(InstallRecordRead, ReturnsTextUpToFirstNul) {
  store("CALE", GetParam().type, GetParam().data);
  EXPECT_EQ(record.ReadInstallValue("CALE"), GetParam().expected);
}

using namespace std::string_view_literals;
INSTANTIATE_TEST_SUITE_P(
    Values, InstallRecordRead,
    ::testing::Values(ReadCase{"plain", platform::kRegSz, "C:\\Ralvento\0"sv, "C:\\Ralvento"},
                      ReadCase{"emptySize", platform::kRegSz, ""sv, ""},
                      ReadCase{"onlyNul", platform::kRegSz, "\0"sv, ""},
                      ReadCase{"embeddedNul", platform::kRegSz, "C:\\A\0B\0"sv, "C:\\A"},
                      ReadCase{"noTerminator", platform::kRegSz, "Ralvento v.2.50"sv, "Ralvento v.2.50"},
                      ReadCase{"expandUntouched", platform::kRegExpandSz, "%ProgramFiles%\\X\0"sv,
                               "%ProgramFiles%\\X"}),
    test_support::ByCaseName{});

TEST_F(InstallRecordTest, NonStringValueIsInvalidDataType) {
  store("VER", platform::kRegDword, std::string_view("\x07\x00\x00\x00", 4));
  try {
    record.ReadInstallValue("VER");
    FAIL() << "no error";
  } catch (const std::runtime_error& e) {
    EXPECT_STREQ(e.what(), "Invalid data type for 'VER'");
  }
}

TEST_F(InstallRecordTest, EmptyNonStringValueReadsAsEmpty) {
  // A zero size ends the read before the type is looked at.
  store("VER", platform::kRegBinary, "");
  EXPECT_EQ(record.ReadInstallValue("VER"), "");
}

TEST_F(InstallRecordTest, WrittenValueIsStringWithTerminator) {
  record.WriteInstallValue("VER", "Ralvento v.2.63");
  auto key = platform::MachineKey::open(record.keyPath());
  ASSERT_TRUE(key);
  const auto info = key->queryInfo("VER");
  ASSERT_TRUE(info);
  EXPECT_EQ(info->type, platform::kRegSz);
  EXPECT_EQ(info->size, 16u);
  EXPECT_EQ(record.ReadInstallValue("VER"), "Ralvento v.2.63");
}

TEST_F(InstallRecordTest, WriteReplacesValueOfAnyType) {
  store("VER", platform::kRegDword, std::string_view("\x01\x00\x00\x00", 4));
  record.WriteInstallValue("VER", "Ralvento v.2.63");
  EXPECT_EQ(record.ReadInstallValue("VER"), "Ralvento v.2.63");
}

TEST_F(InstallRecordTest, LongValueIsReadWhole) {
  const std::string path = "C:\\" + std::string(3000, 'p');
  record.WriteInstallValue("CALE", path);
  EXPECT_EQ(record.ReadInstallValue("CALE"), path);
}

}  // namespace
}  // namespace updater
