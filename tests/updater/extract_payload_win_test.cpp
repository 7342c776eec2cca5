// The payload writer on the real system: the payload carried as this binary's own resource, of
// the product's size, and other programs holding or running the target.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/files.h"
#include "platform/resources.h"
#include "support/child_process.h"
#include "support/scratch_folder.h"
#include "updater/payload_digest.h"
#include "updater/payload_writer.h"

namespace updater {
namespace {

using namespace test_support;

constexpr std::size_t kPayloadSize = UPDATER_PAYLOAD_SIZE;

std::span<const std::byte> ownPayload() {
  const auto payload = platform::findOwnResource("EXE", "UPGRADE");
  return payload ? *payload : std::span<const std::byte>();
}

TEST(OwnPayload, IsFoundWhateverTheCaseOfItsNamesAndViewedInsideTheImage) {
  const std::span<const std::byte> payload = ownPayload();
  ASSERT_EQ(payload.size(), kPayloadSize);
  for (const auto& [type, name] : {std::pair{"Exe", "UpGrade"}, {"exe", "upgrade"}, {"EXE", "uPgRaDe"}}) {
    const auto found = platform::findOwnResource(type, name);
    ASSERT_TRUE(found) << type << "/" << name;
    EXPECT_EQ(found->data(), payload.data());
    EXPECT_EQ(found->size(), payload.size());
  }
  // In place: the bytes lie inside this program's loaded image, not in a copy on the heap.
  const auto* image = reinterpret_cast<const std::byte*>(GetModuleHandleA(nullptr));
  const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(image);
  const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(image + dos->e_lfanew);
  EXPECT_GE(payload.data(), image);
  EXPECT_LE(payload.data() + payload.size(), image + nt->OptionalHeader.SizeOfImage);
  // A real executable.
  EXPECT_EQ(static_cast<char>(payload[0]), 'M');
  EXPECT_EQ(static_cast<char>(payload[1]), 'Z');
}

// The digest that xxh128sum recorded at build time is the one the updater computes.
TEST(OwnPayload, MatchesTheDigestItsBuildRecordedBesideIt) {
  const auto recorded = platform::findOwnResource("#10", "upgrade_xxh128");
  ASSERT_TRUE(recorded);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(recorded->data()), recorded->size()),
            payloadDigest(ownPayload()));
  EXPECT_TRUE(ownPayloadIntact("Exe", "UpGrade"));
}

class ExtractPayloadOnWindows : public ::testing::Test {
 protected:
  std::string target() const { return scratch.path("Ralvt.exe"); }
  void TearDown() override { removeReplacedTargets(); }
  // The payload in place and, once the program has ended, nothing else.
  void expectPayloadInstalled() const {
    EXPECT_TRUE(sameBytes(readFile(target()), ownPayload()));
    removeReplacedTargets();
    EXPECT_EQ(scratch.fileNames(), Names{"Ralvt.exe"});
  }
  void expectUnchanged(const std::vector<std::byte>& old) const {
    EXPECT_TRUE(sameBytes(readFile(target()), old));
    EXPECT_EQ(scratch.fileNames(), Names{"Ralvt.exe"});
  }

  ScratchFolder scratch;
};

TEST_F(ExtractPayloadOnWindows, WritesTheWholePayloadOverALargerAndASmallerFile) {
  for (const std::size_t oldSize : {kPayloadSize + 1'234'567, std::size_t{4096}}) {
    SCOPED_TRACE(oldSize);
    writeFile(target(), patternBytes(oldSize, 1));
    EXPECT_TRUE(ExtractPayload("Exe", "UpGrade", target()));
    expectPayloadInstalled();
  }
}

TEST_F(ExtractPayloadOnWindows, WithoutThePayloadResourceTouchesNothing) {
  const auto old = patternBytes(1000, 2);
  writeFile(target(), old);
  EXPECT_FALSE(platform::findOwnResource("Exe", "Missing"));
  EXPECT_FALSE(ExtractPayload("Exe", "Missing", target()));
  EXPECT_FALSE(ExtractPayload("Dll", "UpGrade", target()));
  expectUnchanged(old);
}

TEST_F(ExtractPayloadOnWindows, ATargetHeldByAnotherProgramStaysUntilItIsReleased) {
  const auto old = patternBytes(1000, 3);
  writeFile(target(), old);
  NamedEvent release("payload-test-release-" + std::to_string(GetCurrentProcessId()));
  ChildProcess holder("hold_file", ChildProcess::quoted(target()) + " {ready} " + release.name());
  ASSERT_TRUE(holder.waitReady());

  EXPECT_EQ(installPayload(ownPayload(), target()), InstallOutcome::kTargetInUse);
  EXPECT_FALSE(ExtractPayload("Exe", "UpGrade", target()));
  release.set();
  ASSERT_EQ(holder.waitExit(), 0);
  expectUnchanged(old);

  EXPECT_TRUE(ExtractPayload("Exe", "UpGrade", target()));
  expectPayloadInstalled();
}

TEST_F(ExtractPayloadOnWindows, ARunningTargetStaysUntilItEnds) {
  const std::vector<std::byte> old = readFile(ChildProcess::helperPath("fake_target"));
  ASSERT_FALSE(old.empty());
  writeFile(target(), old);
  {
    // Started from the target file itself, as the user would run the application.
    ChildProcess running(ChildProcess::Program{target()}, "{ready}");
    ASSERT_TRUE(running.started());
    ASSERT_TRUE(running.waitReady());

    EXPECT_EQ(installPayload(ownPayload(), target()), InstallOutcome::kTargetInUse);
    EXPECT_FALSE(ExtractPayload("Exe", "UpGrade", target()));
    expectUnchanged(old);

    running.kill();
  }
  EXPECT_TRUE(ExtractPayload("Exe", "UpGrade", target()));
  expectPayloadInstalled();
}

TEST_F(ExtractPayloadOnWindows, AnOldFileStillRunningAfterTheReplaceIsRemovedByTheNextRun) {
  // The user may start the target between the check and the replace. The replace then succeeds
  // (a running program's file can be renamed), and the old file, under its backup name, cannot
  // be deleted until the program ends.
  writeFile(target(), readFile(ChildProcess::helperPath("fake_target")));
  writeFile(scratch.path("new.bin"), patternBytes(1000, 6));
  const std::string backup = scratch.path("Ralvt.exe.upd-1-0.old.tmp");
  ChildProcess running(ChildProcess::Program{target()}, "{ready}");
  ASSERT_TRUE(running.started());
  ASSERT_TRUE(running.waitReady());

  EXPECT_EQ(platform::replaceFile(target(), scratch.path("new.bin"), backup), platform::FileError::kNone);
  EXPECT_NE(platform::removeFile(backup), platform::FileError::kNone);
  EXPECT_EQ(scratch.fileNames(), (Names{"Ralvt.exe", "Ralvt.exe.upd-1-0.old.tmp"}));

  running.kill();
  EXPECT_TRUE(ExtractPayload("Exe", "UpGrade", target()));
  expectPayloadInstalled();
}

TEST_F(ExtractPayloadOnWindows, ARunKilledMidwayLeavesTheOldFileAndTheNextRunCleansUp) {
  const auto old = patternBytes(3'000'000, 4);
  writeFile(target(), old);
  {
    ChildProcess interrupted("interrupted_install",
                             ChildProcess::quoted(target()) + " {ready} " + std::to_string(kPayloadSize / 2));
    ASSERT_TRUE(interrupted.waitReady());
    interrupted.kill();
  }
  EXPECT_TRUE(sameBytes(readFile(target()), old));
  const Names afterKill = scratch.fileNames();
  ASSERT_EQ(afterKill.size(), 2u) << "the cut-off run's temporary file should still be there";
  const std::string& leftover = *afterKill.begin() == "Ralvt.exe" ? *afterKill.rbegin() : *afterKill.begin();
  EXPECT_EQ(std::filesystem::file_size(scratch.path(leftover)), kPayloadSize / 2);

  EXPECT_TRUE(ExtractPayload("Exe", "UpGrade", target()));
  expectPayloadInstalled();
}

TEST_F(ExtractPayloadOnWindows, AnInstallPathEndingInABackslashStillNamesTheFile) {
  writeFile(target(), patternBytes(10, 5));
  EXPECT_TRUE(ExtractPayload("Exe", "UpGrade", scratch.folder() + "\\Ralvt.exe"));
  expectPayloadInstalled();
}

TEST_F(ExtractPayloadOnWindows, AnEmptyInstallPathMeansTheRootOfTheCurrentDrive) {
  // The install path "" gives the target "\Ralvt.exe".
  char current[MAX_PATH];
  ASSERT_NE(GetCurrentDirectoryA(MAX_PATH, current), 0u);
  const std::string atRoot = std::string(current, 2) + "\\Ralvt.exe";
  ASSERT_FALSE(std::filesystem::exists(atRoot)) << "a file is in the way: " << atRoot;
  EXPECT_TRUE(ExtractPayload("Exe", "UpGrade", "\\Ralvt.exe"));
  EXPECT_TRUE(sameBytes(readFile(atRoot), ownPayload()));
  std::filesystem::remove(atRoot);
}

TEST_F(ExtractPayloadOnWindows, AMissingFolderFails) {
  EXPECT_FALSE(ExtractPayload("Exe", "UpGrade", scratch.path("gone") + "\\Ralvt.exe"));
  EXPECT_FALSE(std::filesystem::exists(scratch.path("gone")));
}

}  // namespace
}  // namespace updater
