#include "updater/payload_writer.h"

#include <gtest/gtest.h>

#include <optional>

#include "platform/files.h"
#include "testing/named_cases.h"
#include "testing/scratch_folder.h"
#include "testing/write_fault.h"

namespace updater {
namespace {

using platform::ExclusiveFile;
using test_support::WriteFaultKind;
using namespace test_support;

class InstallPayload : public ::testing::Test {
 protected:
  void TearDown() override {
    test_support::clearWriteFault();
    removeReplacedTargets();
  }
  std::string target() const { return scratch.path("Ralvt.exe"); }
  // The file `name` of the folder held open by someone else, sharing nothing.
  platform::ExclusiveFile::Opened holdOpen(std::string_view name) const {
    return platform::HeldFolder::open(scratch.folder()).folder->openToRemove(name);
  }
  // What the folder holds once the program has ended.
  Names namesAtExit() const {
    removeReplacedTargets();
    return scratch.fileNames();
  }

  ScratchFolder scratch;
  const std::vector<std::byte> payload = patternBytes(300'000, 42);
};

struct OldFile : test_support::NamedCase {
  std::optional<std::size_t> size;  // none: no target yet
};

class OverAnyOldFile : public InstallPayload, public ::testing::WithParamInterface<OldFile> {};

// The old file waits beside the new one, whole, until nobody waits for the program. It is held
// exclusively meanwhile, so only its size can be looked at.
TEST_P(OverAnyOldFile, LeavesExactlyThePayloadAndAtExitNothingElse) {
  const auto old = patternBytes(GetParam().size.value_or(0), 7);
  if (GetParam().size) writeFile(target(), old);
  EXPECT_EQ(installPayload(payload, target()), InstallOutcome::kInstalled);
  EXPECT_TRUE(sameBytes(readFile(target()), payload));
  Names aside = scratch.fileNames();
  aside.erase("Ralvt.exe");
  if (GetParam().size) {
    ASSERT_EQ(aside.size(), 1u);
    EXPECT_EQ(std::filesystem::file_size(scratch.path(*aside.begin())), old.size());
  } else {
    EXPECT_EQ(aside, Names{});
  }
  EXPECT_EQ(namesAtExit(), Names{"Ralvt.exe"});
}

INSTANTIATE_TEST_SUITE_P(Cases, OverAnyOldFile,
                         ::testing::Values(OldFile{"None", std::nullopt}, OldFile{"Empty", 0},
                                           OldFile{"Smaller", 1000}, OldFile{"SameSize", 300'000},
                                           OldFile{"Larger", 2'000'000}),
                         test_support::ByCaseName{});

TEST_F(InstallPayload, AnEmptyPayloadGivesAnEmptyFile) {
  writeFile(target(), patternBytes(10, 1));
  EXPECT_EQ(installPayload({}, target()), InstallOutcome::kInstalled);
  EXPECT_TRUE(readFile(target()).empty());
  EXPECT_EQ(namesAtExit(), Names{"Ralvt.exe"});
}

TEST_F(InstallPayload, AHeldTargetIsLeftAloneUntilReleased) {
  const auto old = patternBytes(5000, 3);
  writeFile(target(), old);
  {
    ExclusiveFile::Opened holder = holdOpen("Ralvt.exe");
    ASSERT_TRUE(holder.file);
    EXPECT_EQ(installPayload(payload, target()), InstallOutcome::kTargetInUse);
  }
  EXPECT_TRUE(sameBytes(readFile(target()), old));
  EXPECT_EQ(scratch.fileNames(), Names{"Ralvt.exe"});

  EXPECT_EQ(installPayload(payload, target()), InstallOutcome::kInstalled);
  EXPECT_TRUE(sameBytes(readFile(target()), payload));
}

TEST_F(InstallPayload, AReadOnlyTargetIsRefused) {
  const auto old = patternBytes(5000, 4);
  writeFile(target(), old);
  std::filesystem::permissions(target(),
                               std::filesystem::perms::owner_write | std::filesystem::perms::group_write |
                                   std::filesystem::perms::others_write,
                               std::filesystem::perm_options::remove);
  EXPECT_EQ(installPayload(payload, target()), InstallOutcome::kTargetDenied);
  EXPECT_TRUE(sameBytes(readFile(target()), old));
  EXPECT_EQ(scratch.fileNames(), Names{"Ralvt.exe"});
}

TEST_F(InstallPayload, AMissingFolderIsNotCreated) {
  const std::string folder = scratch.path("gone");
  EXPECT_EQ(installPayload(payload, folder + scratch.separator() + "Ralvt.exe"),
            InstallOutcome::kCannotCreateTemp);
  EXPECT_FALSE(std::filesystem::exists(folder));
}

TEST_F(InstallPayload, ADoubledSeparatorBeforeTheNameIsAccepted) {
  writeFile(target(), patternBytes(10, 5));
  EXPECT_EQ(installPayload(payload, scratch.folder() + scratch.separator() + "Ralvt.exe"),
            InstallOutcome::kInstalled);
  EXPECT_TRUE(sameBytes(readFile(target()), payload));
  EXPECT_EQ(namesAtExit(), Names{"Ralvt.exe"});
}

TEST_F(InstallPayload, APathWithoutFileNameIsRefused) {
  EXPECT_EQ(installPayload(payload, scratch.folder()), InstallOutcome::kNoFileName);
  EXPECT_EQ(scratch.fileNames(), Names{});
}

struct Fault : test_support::NamedCase {
  std::uint64_t limit;
  WriteFaultKind kind;
  InstallOutcome outcome;
};

class UnderAWriteFault : public InstallPayload, public ::testing::WithParamInterface<Fault> {};

TEST_P(UnderAWriteFault, TheOldTargetStaysWholeAndNoTemporaryFileRemains) {
  const Fault& fault = GetParam();
  const auto old = patternBytes(777'777, 6);
  writeFile(target(), old);
  test_support::injectWriteFault(fault.limit, fault.kind);
  EXPECT_EQ(installPayload(payload, target()), fault.outcome);
  EXPECT_TRUE(sameBytes(readFile(target()), old));
  EXPECT_EQ(scratch.fileNames(), Names{"Ralvt.exe"});
}

TEST_P(UnderAWriteFault, NoTargetAppearsWhereThereWasNone) {
  const Fault& fault = GetParam();
  test_support::injectWriteFault(fault.limit, fault.kind);
  EXPECT_EQ(installPayload(payload, target()), fault.outcome);
  EXPECT_EQ(scratch.fileNames(), Names{});
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UnderAWriteFault,
    ::testing::Values(
        Fault{"VolumeFullAtOnce", 0, WriteFaultKind::kFail, InstallOutcome::kWriteFailed},
        Fault{"VolumeFullMidway", 150'001, WriteFaultKind::kFail, InstallOutcome::kWriteFailed},
        Fault{"VolumeFullAtLastByte", 299'999, WriteFaultKind::kFail, InstallOutcome::kWriteFailed},
        Fault{"DataLostMidway", 150'001, WriteFaultKind::kDropSilently, InstallOutcome::kVerifyFailed},
        Fault{"LastByteLost", 299'999, WriteFaultKind::kDropSilently, InstallOutcome::kVerifyFailed}),
    test_support::ByCaseName{});

TEST_F(InstallPayload, LeftoversOfInterruptedRunsAreRemovedAndOtherFilesKept) {
  writeFile(target(), patternBytes(10, 8));
  const Names leftovers = {"Ralvt.exe.upd-1f4-0.tmp", "ralvt.EXE.UPD-9-3.old.tmp"};
  const Names unrelated = {"Ralvt.exe.bak", "rf1A2B.tmp", "Other.exe.upd-1-0.tmp", "Ralvt.exe.upd-1-0.log"};
  for (const std::string& name : leftovers) writeFile(scratch.path(name), patternBytes(100, 9));
  for (const std::string& name : unrelated) writeFile(scratch.path(name), patternBytes(100, 9));

  EXPECT_EQ(installPayload(payload, target()), InstallOutcome::kInstalled);
  Names expected = unrelated;
  expected.insert("Ralvt.exe");
  EXPECT_EQ(namesAtExit(), expected);
}

TEST_F(InstallPayload, AnOldFileLeftOnlyUnderItsBackupNameComesBack) {
  // A run cut off between the two renames of a replace: the old file under its backup name, the
  // new one still under its temporary name, no target.
  const auto old = patternBytes(5000, 14);
  writeFile(scratch.path("Ralvt.exe.upd-5-0.old.tmp"), old);
  writeFile(scratch.path("Ralvt.exe.upd-5-0.tmp"), payload);

  test_support::injectWriteFault(1000, WriteFaultKind::kFail);
  EXPECT_EQ(installPayload(payload, target()), InstallOutcome::kWriteFailed);
  EXPECT_TRUE(sameBytes(readFile(target()), old));
  EXPECT_EQ(scratch.fileNames(), Names{"Ralvt.exe"});

  test_support::clearWriteFault();
  EXPECT_EQ(installPayload(payload, target()), InstallOutcome::kInstalled);
  EXPECT_TRUE(sameBytes(readFile(target()), payload));
  EXPECT_EQ(namesAtExit(), Names{"Ralvt.exe"});
}

TEST_F(InstallPayload, ATemporaryFileInUseByAnotherRunIsNotTouched) {
  const std::string other = "Ralvt.exe.upd-77-0.tmp";
  writeFile(scratch.path(other), patternBytes(100, 10));
  ExclusiveFile::Opened held = holdOpen(other);
  ASSERT_TRUE(held.file);
  EXPECT_EQ(installPayload(payload, target()), InstallOutcome::kInstalled);
  EXPECT_EQ(namesAtExit(), (Names{"Ralvt.exe", other}));
}

TEST_F(InstallPayload, AnOldFileWaitsHeldSoThatWhatIsDeletedAtExitIsThatVeryFile) {
  writeFile(target(), patternBytes(5000, 11));
  ASSERT_EQ(installPayload(payload, target()), InstallOutcome::kInstalled);
  Names aside = scratch.fileNames();
  aside.erase("Ralvt.exe");
  ASSERT_EQ(aside.size(), 1u);
  // Nobody can start the old program from its new name, nor open or swap the file, meanwhile.
  EXPECT_EQ(holdOpen(*aside.begin()).error, platform::FileError::kInUse);
  EXPECT_EQ(namesAtExit(), Names{"Ralvt.exe"});
  EXPECT_EQ(installPayload(payload, target()), InstallOutcome::kInstalled);
  EXPECT_EQ(namesAtExit(), Names{"Ralvt.exe"});
}

}  // namespace
}  // namespace updater
