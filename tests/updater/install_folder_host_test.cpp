// The install folder as the payload writer holds it: resolved once through a link, held from the
// check to the deletion of the old file, and nothing in it deleted or written but plain files of
// its own. Links are made with the host's own calls; the real system's side is in the end-to-end
// tests.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <sstream>

#include "platform/files.h"
#include "platform/headless/files.h"
#include "testing/named_cases.h"
#include "testing/scratch_folder.h"
#include "testing/write_fault.h"
#include "updater/payload_writer.h"

namespace updater {
namespace {

namespace fs = std::filesystem;
using test_support::WriteFaultKind;
using namespace test_support;

class InstallFolder : public ::testing::Test {
 protected:
  void SetUp() override { fs::create_directory(scratch.path("real")); }
  void TearDown() override {
    test_support::clearWriteFault();
    platform::headless::beforeEachRename({});
    removeReplacedTargets();
  }
  std::string real(std::string_view name = {}) const { return scratch.path("real/") + std::string(name); }
  Names realNames() const {
    Names names;
    for (const auto& entry : fs::directory_iterator(real())) names.insert(entry.path().filename().string());
    return names;
  }

  ScratchFolder scratch;
  const std::vector<std::byte> payload = patternBytes(200'000, 31);
  const std::vector<std::byte> old = patternBytes(50'000, 32);
};

TEST_F(InstallFolder, ALinkToAFolderInstallsIntoTheRealOneAndStaysALink) {
  writeFile(real("Ralvt.exe"), old);
  fs::create_directory_symlink(real(), scratch.path("link"));
  EXPECT_EQ(installPayload(payload, scratch.path("link/Ralvt.exe")), InstallOutcome::kInstalled);
  removeReplacedTargets();
  EXPECT_TRUE(sameBytes(readFile(real("Ralvt.exe")), payload));
  EXPECT_EQ(realNames(), Names{"Ralvt.exe"});
  EXPECT_TRUE(fs::is_symlink(scratch.path("link")));
}

struct Hold : NamedCase {
  bool oldFile;
  std::optional<std::uint64_t> failWritesAfter;
  bool targetHeld;
  InstallOutcome outcome;
  bool heldAfterwards;  // until removeReplacedTargets()
};

class FolderHold : public InstallFolder, public ::testing::WithParamInterface<Hold> {};

TEST_P(FolderHold, LastsFromTheCheckToTheOldFilesDeletionAndEndsAtOnceOnFailure) {
  const Hold& k = GetParam();
  if (k.oldFile) writeFile(real("Ralvt.exe"), old);
  std::optional<bool> heldWhileWriting;
  if (k.failWritesAfter) {
    test_support::injectWriteFault(*k.failWritesAfter, WriteFaultKind::kFail,
                                   [&] { heldWhileWriting = platform::headless::folderIsHeld(real()); });
  }
  std::optional<platform::ExclusiveFile> holder;
  if (k.targetHeld)
    holder = std::move(platform::HeldFolder::open(real()).folder->openToRemove("Ralvt.exe").file);

  EXPECT_EQ(installPayload(payload, real("Ralvt.exe")), k.outcome);
  if (k.failWritesAfter) {
    EXPECT_EQ(heldWhileWriting, true);
  }
  EXPECT_EQ(platform::headless::folderIsHeld(real()), k.heldAfterwards);
  removeReplacedTargets();
  EXPECT_FALSE(platform::headless::folderIsHeld(real()));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FolderHold,
    ::testing::Values(Hold{"OldFilePutAside", true, std::nullopt, false, InstallOutcome::kInstalled, true},
                      Hold{"NoOldFile", false, std::nullopt, false, InstallOutcome::kInstalled, false},
                      Hold{"WriteFails", true, 100'000, false, InstallOutcome::kWriteFailed, false},
                      Hold{"TargetInUse", true, std::nullopt, true, InstallOutcome::kTargetInUse, false}),
    ByCaseName{});

TEST_F(InstallFolder, OnlyPlainFilesOfTheFolderGoAsLeftovers) {
  writeFile(real("Ralvt.exe"), old);
  // What stands at leftovers' names: links to files outside, a second name of an outside
  // file, a folder, and one true leftover.
  const std::vector<std::byte> outside = patternBytes(3000, 33);
  for (const char* name : {"outside-1.bin", "outside-2.bin", "outside-3.bin"})
    writeFile(scratch.path(name), outside);
  fs::create_symlink(scratch.path("outside-1.bin"), real("Ralvt.exe.upd-1f4-0.tmp"));
  fs::create_symlink(scratch.path("outside-2.bin"), real("Ralvt.exe.upd-9-0.old.tmp"));
  fs::create_hard_link(scratch.path("outside-3.bin"), real("Ralvt.exe.upd-8-0.tmp"));
  fs::create_directory(real("Ralvt.exe.upd-7-0.tmp"));
  writeFile(real("Ralvt.exe.upd-7-0.tmp/inside.bin"), outside);
  writeFile(real("Ralvt.exe.upd-6-0.tmp"), outside);

  EXPECT_EQ(installPayload(payload, real("Ralvt.exe")), InstallOutcome::kInstalled);
  removeReplacedTargets();
  EXPECT_EQ(realNames(), (Names{"Ralvt.exe", "Ralvt.exe.upd-1f4-0.tmp", "Ralvt.exe.upd-9-0.old.tmp",
                                "Ralvt.exe.upd-8-0.tmp", "Ralvt.exe.upd-7-0.tmp"}));
  for (const char* name :
       {"outside-1.bin", "outside-2.bin", "outside-3.bin", "real/Ralvt.exe.upd-7-0.tmp/inside.bin"})
    EXPECT_TRUE(sameBytes(readFile(scratch.path(name)), outside)) << name;
  EXPECT_TRUE(sameBytes(readFile(real("Ralvt.exe")), payload));
}

TEST_F(InstallFolder, ALinkAtAnOrphanedBackupsNameIsNotMovedIntoPlace) {
  writeFile(scratch.path("outside.exe"), old);
  fs::create_symlink(scratch.path("outside.exe"), real("Ralvt.exe.upd-5-0.old.tmp"));
  EXPECT_EQ(installPayload(payload, real("Ralvt.exe")), InstallOutcome::kInstalled);
  removeReplacedTargets();
  EXPECT_FALSE(fs::is_symlink(real("Ralvt.exe")));
  EXPECT_TRUE(sameBytes(readFile(real("Ralvt.exe")), payload));
  EXPECT_TRUE(fs::is_symlink(real("Ralvt.exe.upd-5-0.old.tmp")));
  EXPECT_TRUE(sameBytes(readFile(scratch.path("outside.exe")), old));
}

TEST_F(InstallFolder, TheTemporaryFileIsNewAndNeverWrittenThroughALinkAtItsName) {
  writeFile(real("Ralvt.exe"), old);
  std::ostringstream pid;
  pid << std::hex << platform::currentProcessId();
  // The names of this process's first two attempts: one link to an outside file, one to an
  // outside name that does not exist yet.
  writeFile(scratch.path("outside.bin"), old);
  fs::create_symlink(scratch.path("outside.bin"), real("Ralvt.exe.upd-" + pid.str() + "-0.tmp"));
  fs::create_symlink(scratch.path("nothing-yet.bin"), real("Ralvt.exe.upd-" + pid.str() + "-1.tmp"));

  EXPECT_EQ(installPayload(payload, real("Ralvt.exe")), InstallOutcome::kInstalled);
  removeReplacedTargets();
  EXPECT_TRUE(sameBytes(readFile(real("Ralvt.exe")), payload));
  EXPECT_TRUE(sameBytes(readFile(scratch.path("outside.bin")), old));
  EXPECT_FALSE(fs::exists(scratch.path("nothing-yet.bin")));
}

// What another process, or the system, does at a rename of the swap.
enum class Interference { kFailToTarget, kFailEveryRenameToTarget, kTakeTargetName, kLinkFolderInPlace };

struct SwapFault : NamedCase {
  Interference interference;
  InstallOutcome outcome;
  bool oldAside;  // the old file waits under its put-aside name, or is back at the target's
};

class UnderASwapFault : public InstallFolder, public ::testing::WithParamInterface<SwapFault> {};

// Whatever fails in the swap, the old file is whole: at the target's name, or, where it could not
// go back, as the one put-aside file, which a later installation restores or keeps until a new
// target is in place.
TEST_P(UnderASwapFault, NeverLosesTheOldFile) {
  const SwapFault& k = GetParam();
  writeFile(real("Ralvt.exe"), old);
  int renamesToTarget = 0;
  platform::headless::beforeEachRename([&](const std::string&, const std::string& to) {
    if (to != "Ralvt.exe") {
      if (k.interference == Interference::kLinkFolderInPlace) {
        fs::rename(real(), scratch.path("moved"));
        fs::create_directory(scratch.path("elsewhere"));
        fs::create_directory_symlink(scratch.path("elsewhere"), scratch.path("real"));
      }
      return platform::FileError::kNone;
    }
    ++renamesToTarget;
    if (k.interference == Interference::kTakeTargetName && renamesToTarget == 1)
      writeFile(real("Ralvt.exe"), patternBytes(10, 34));
    const bool fail = (k.interference == Interference::kFailToTarget && renamesToTarget == 1) ||
                      k.interference == Interference::kFailEveryRenameToTarget;
    return fail ? platform::FileError::kOther : platform::FileError::kNone;
  });
  EXPECT_EQ(installPayload(payload, real("Ralvt.exe")), k.outcome);
  platform::headless::beforeEachRename({});
  EXPECT_FALSE(platform::headless::folderIsHeld(real()));

  const std::string folder = k.interference == Interference::kLinkFolderInPlace ? "moved/" : "real/";
  Names names;
  for (const auto& entry : fs::directory_iterator(scratch.path(folder)))
    names.insert(entry.path().filename().string());
  if (k.interference == Interference::kLinkFolderInPlace) {
    EXPECT_TRUE(fs::is_empty(scratch.path("elsewhere")));
  }
  if (!k.oldAside) {
    EXPECT_EQ(names, Names{"Ralvt.exe"});
    EXPECT_TRUE(sameBytes(readFile(scratch.path(folder + "Ralvt.exe")), old));
    return;
  }
  names.erase("Ralvt.exe");
  ASSERT_EQ(names.size(), 1u);
  EXPECT_TRUE(sameBytes(readFile(scratch.path(folder + *names.begin())), old));
  // A later installation that fails brings the old file back, if nothing else took its name;
  // one that succeeds leaves only the new target.
  test_support::injectWriteFault(1000, WriteFaultKind::kFail);
  EXPECT_EQ(installPayload(payload, real("Ralvt.exe")), InstallOutcome::kWriteFailed);
  if (k.interference == Interference::kFailEveryRenameToTarget) {
    EXPECT_EQ(realNames(), Names{"Ralvt.exe"});
    EXPECT_TRUE(sameBytes(readFile(real("Ralvt.exe")), old));
  } else {
    EXPECT_EQ(realNames().size(), 2u);
  }
  test_support::clearWriteFault();
  EXPECT_EQ(installPayload(payload, real("Ralvt.exe")), InstallOutcome::kInstalled);
  removeReplacedTargets();
  EXPECT_EQ(realNames(), Names{"Ralvt.exe"});
}

INSTANTIATE_TEST_SUITE_P(Cases, UnderASwapFault,
                         ::testing::Values(SwapFault{"SecondRenameFails", Interference::kFailToTarget,
                                                     InstallOutcome::kReplaceFailed, false},
                                           SwapFault{"MovingBackFailsToo",
                                                     Interference::kFailEveryRenameToTarget,
                                                     InstallOutcome::kReplaceFailed, true},
                                           SwapFault{"TargetNameTaken", Interference::kTakeTargetName,
                                                     InstallOutcome::kReplaceFailed, true},
                                           SwapFault{"FolderBecomesALink", Interference::kLinkFolderInPlace,
                                                     InstallOutcome::kFolderNotPlain, false}),
                         ByCaseName{});

}  // namespace
}  // namespace updater
