// The payload writer on the real system: the payload carried as this binary's own resource, of
// the product's size, and other programs holding or running the target.
#include <windows.h>
// After windows.h, whose types it uses.
#include <sddl.h>

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/files.h"
#include "platform/resources.h"
#include "testing/child_process.h"
#include "testing/scratch_folder.h"
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

// An administrator's hardening of the program stays: the new file takes the old one's access list
// and attributes, not the folder's inheritable rights.
TEST_F(ExtractPayloadOnWindows, TheNewFileKeepsTheOldOnesAccessListAndAttributes) {
  writeFile(target(), patternBytes(1000, 8));
  PSECURITY_DESCRIPTOR hardened = nullptr;
  ASSERT_TRUE(ConvertStringSecurityDescriptorToSecurityDescriptorA(
      "D:P(A;;FA;;;SY)(A;;FA;;;BA)(A;;FRFX;;;BU)", SDDL_REVISION_1, &hardened, nullptr));
  ASSERT_TRUE(SetFileSecurityA(target().c_str(), DACL_SECURITY_INFORMATION, hardened));
  LocalFree(hardened);
  ASSERT_TRUE(SetFileAttributesA(target().c_str(), FILE_ATTRIBUTE_HIDDEN));
  const auto accessList = [this] {
    DWORD needed = 0;
    GetFileSecurityA(target().c_str(), DACL_SECURITY_INFORMATION, nullptr, 0, &needed);
    std::vector<std::byte> descriptor(needed);
    char* text = nullptr;
    if (!GetFileSecurityA(target().c_str(), DACL_SECURITY_INFORMATION, descriptor.data(), needed, &needed) ||
        !ConvertSecurityDescriptorToStringSecurityDescriptorA(descriptor.data(), SDDL_REVISION_1,
                                                              DACL_SECURITY_INFORMATION, &text, nullptr)) {
      return std::string();
    }
    const std::string result(text);
    LocalFree(text);
    return result;
  };
  const std::string before = accessList();
  ASSERT_FALSE(before.empty());

  EXPECT_TRUE(ExtractPayload("Exe", "UpGrade", target()));
  EXPECT_EQ(accessList(), before);
  EXPECT_NE(GetFileAttributesA(target().c_str()) & FILE_ATTRIBUTE_HIDDEN, 0u);
  SetFileAttributesA(target().c_str(), FILE_ATTRIBUTE_NORMAL);
  expectPayloadInstalled();
}

TEST_F(ExtractPayloadOnWindows, AnOldFileStillRunningUnderItsPutAsideNameStaysUntilItEnds) {
  // An earlier updater's put-aside old file, which a user started from its new name.
  writeFile(target(), patternBytes(1000, 6));
  const std::string aside = "Ralvt.exe.upd-1-0.old.tmp";
  writeFile(scratch.path(aside), readFile(ChildProcess::helperPath("fake_target")));
  ChildProcess running(ChildProcess::Program{scratch.path(aside)}, "{ready}");
  ASSERT_TRUE(running.started());
  ASSERT_TRUE(running.waitReady());

  EXPECT_TRUE(ExtractPayload("Exe", "UpGrade", target()));
  removeReplacedTargets();
  EXPECT_EQ(scratch.fileNames(), (Names{"Ralvt.exe", aside}));

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
    // While it is being written, nobody else can open the new file, delete it, rename it, or
    // put anything at its name.
    Names names = scratch.fileNames();
    names.erase("Ralvt.exe");
    ASSERT_EQ(names.size(), 1u);
    const std::string temp = scratch.path(*names.begin());
    EXPECT_EQ(CreateFileA(temp.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                          nullptr, OPEN_EXISTING, 0, nullptr),
              INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), DWORD{ERROR_SHARING_VIOLATION});
    EXPECT_FALSE(DeleteFileA(temp.c_str()));
    EXPECT_FALSE(MoveFileExA(temp.c_str(), scratch.path("moved.tmp").c_str(), 0));
    writeFile(scratch.path("planted.tmp"), patternBytes(10, 7));
    EXPECT_FALSE(MoveFileExA(scratch.path("planted.tmp").c_str(), temp.c_str(), MOVEFILE_REPLACE_EXISTING));
    DeleteFileA(scratch.path("planted.tmp").c_str());
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

TEST_F(ExtractPayloadOnWindows, AFolderThatIsNotAbsoluteIsNoFolder) {
  // An empty install folder would put the target at the root of the current drive, a relative
  // one in the current folder.
  for (const char* path : {"\\Ralvt.exe", "Ralvt.exe", "Ralvento\\Ralvt.exe", "C:Ralvt.exe"}) {
    EXPECT_EQ(installPayload(ownPayload(), path), InstallOutcome::kCannotCreateTemp) << path;
    EXPECT_FALSE(std::filesystem::exists(path)) << path;
  }
}

TEST_F(ExtractPayloadOnWindows, AMissingFolderFails) {
  EXPECT_FALSE(ExtractPayload("Exe", "UpGrade", scratch.path("gone") + "\\Ralvt.exe"));
  EXPECT_FALSE(std::filesystem::exists(scratch.path("gone")));
}

}  // namespace
}  // namespace updater
