#include "platform/files.h"

#include <gtest/gtest.h>

#include "testing/named_cases.h"
#include "testing/scratch_folder.h"
#include "testing/write_fault.h"

namespace platform {
namespace {

using namespace test_support;

class Files : public ::testing::Test {
 protected:
  void TearDown() override { clearWriteFault(); }
  ScratchFolder scratch;
  HeldFolder folder = std::move(*HeldFolder::open(scratch.folder()).folder);
  ExclusiveFile create(std::string_view stem = "f-") {
    return std::move(*folder.createUnique(stem, ".bin").file);
  }
};

TEST_F(Files, OpeningExistingForWritingLeavesTheFileAsItWas) {
  const auto old = patternBytes(5000, 1);
  writeFile(scratch.path("a.bin"), old);
  ExclusiveFile::Opened opened = folder.openExisting("a.bin");
  ASSERT_TRUE(opened.file) << describe(opened.error);
  EXPECT_TRUE(folder.holds(*opened.file, "a.bin"));
  opened.file->close();
  EXPECT_TRUE(sameBytes(readFile(scratch.path("a.bin")), old));
}

// Nothing but one name of the held folder itself is ever opened: no path reaches past it.
TEST_F(Files, OnlyNamesOfTheFolderItselfAreFound) {
  std::filesystem::create_directory(scratch.path("sub"));
  writeFile(scratch.path("sub") + scratch.separator() + "a", patternBytes(1, 1));
  for (const std::string_view name : {"none.bin", "", ".", "..", "sub", "sub/a", "sub\\a", "a:b"}) {
    SCOPED_TRACE(name);
    EXPECT_FALSE(folder.openExisting(name).file);
    EXPECT_FALSE(folder.openToRemove(name).file);
  }
  EXPECT_EQ(folder.openExisting("none.bin").error, FileError::kNotFound);
  EXPECT_EQ(folder.createUnique("sub/", ".bin").error, FileError::kNotFound);
  for (const std::string& path : {scratch.path("gone"), std::string("relative"), std::string("C:relative"),
                                  std::string(), std::string("\\rooted")}) {
    SCOPED_TRACE(path);
    EXPECT_EQ(HeldFolder::open(path).error, FileError::kNotFound);
  }
}

TEST_F(Files, AnOpenFileIsSharedWithNoOne) {
  writeFile(scratch.path("held.bin"), patternBytes(100, 2));
  ExclusiveFile::Opened holder = folder.openToRemove("held.bin");
  ASSERT_TRUE(holder.file);

  EXPECT_EQ(folder.openExisting("held.bin").error, FileError::kInUse);
  EXPECT_EQ(folder.openToRemove("held.bin").error, FileError::kInUse);

  holder.file->close();
  ExclusiveFile::Opened again = folder.openToRemove("held.bin");
  ASSERT_TRUE(again.file);
  EXPECT_EQ(again.file->remove(), FileError::kNone);
  EXPECT_EQ(scratch.fileNames(), Names{});
}

TEST_F(Files, UniqueNamesKeepStemAndSuffixAndStepOverTakenOnes) {
  const auto planted = patternBytes(64, 3);
  ExclusiveFile first = create("Ralvt.exe.x-");
  const std::vector<std::string> names = folder.fileNames();
  ASSERT_EQ(names.size(), 1u);
  // The next two names of this process are taken by someone else's files.
  const std::string taken = names[0].substr(0, names[0].size() - 5);  // without "0.bin"
  writeFile(scratch.path(taken + "1.bin"), planted);
  writeFile(scratch.path(taken + "2.bin"), planted);
  ExclusiveFile::Created second = folder.createUnique("Ralvt.exe.x-", ".bin");
  ASSERT_TRUE(second.file);
  EXPECT_EQ(second.name, taken + "3.bin");
  EXPECT_TRUE(sameBytes(readFile(scratch.path(taken + "1.bin")), planted));
  const std::vector<std::string> listed = folder.fileNames();
  EXPECT_EQ(Names(listed.begin(), listed.end()), scratch.fileNames());
}

TEST_F(Files, ListingLeavesOutFolders) {
  writeFile(scratch.path("f"), patternBytes(1, 4));
  std::filesystem::create_directory(scratch.path("sub"));
  EXPECT_EQ(folder.fileNames(), std::vector<std::string>{"f"});
}

// A rename never replaces what stands at the new name, and it moves this very file, whatever
// stands at its old name meanwhile.
TEST_F(Files, RenamesThroughTheHandleToFreeNamesOnly) {
  const auto mine = patternBytes(1000, 11);
  const auto theirs = patternBytes(20, 12);
  ExclusiveFile file = create();
  ASSERT_EQ(file.writeAll(mine), FileError::kNone);
  writeFile(scratch.path("t.exe"), theirs);
  EXPECT_EQ(folder.rename(file, "t.exe"), FileError::kExists);
  EXPECT_TRUE(sameBytes(readFile(scratch.path("t.exe")), theirs));

  ASSERT_EQ(folder.rename(file, "u.exe"), FileError::kNone);
  EXPECT_TRUE(folder.holds(file, "u.exe"));
  EXPECT_FALSE(folder.holds(file, "t.exe"));
  const std::string aside = folder.renameUnique(file, "t.exe.", ".old");
  EXPECT_EQ(aside.rfind("t.exe.", 0), 0u) << aside;
  EXPECT_TRUE(folder.holds(file, aside));
  file.close();
  EXPECT_TRUE(sameBytes(readFile(scratch.path(aside)), mine));
  EXPECT_EQ(scratch.fileNames(), (Names{aside, "t.exe"}));
}

TEST_F(Files, WritesMoreThanOneRequestAndReadsItBack) {
  // Larger than the biggest single request, so the write loop must carry on.
  const auto data = patternBytes((std::size_t{16} << 20) + 12345, 5);
  ExclusiveFile file = create();
  ASSERT_EQ(file.writeAll(data), FileError::kNone);
  ASSERT_EQ(file.flush(), FileError::kNone);
  ASSERT_EQ(folder.rename(file, "big.bin"), FileError::kNone);
  file.close();
  EXPECT_TRUE(sameBytes(readFile(scratch.path("big.bin")), data));

  ExclusiveFile::Opened reader = folder.openExisting("big.bin");
  ASSERT_TRUE(reader.file);
  std::vector<std::byte> back;
  std::vector<std::byte> window(1 << 20);
  while (const std::optional<std::size_t> got = reader.file->read(window)) {
    if (*got == 0) break;
    back.insert(back.end(), window.begin(), window.begin() + static_cast<std::ptrdiff_t>(*got));
  }
  EXPECT_TRUE(sameBytes(back, data));
}

TEST_F(Files, ReadsAtAnOffsetAndWritesOnWhereTheLastReadEnded) {
  const auto data = patternBytes(10'000, 13);
  ExclusiveFile file = create();
  ASSERT_EQ(folder.rename(file, "f.bin"), FileError::kNone);
  ASSERT_EQ(file.writeAll(std::span(data).first(6000)), FileError::kNone);

  std::vector<std::byte> window(4000);
  EXPECT_EQ(file.readAt(1000, window), std::optional<std::size_t>(4000));
  EXPECT_TRUE(sameBytes(window, std::span(data).subspan(1000, 4000)));
  EXPECT_EQ(file.readAt(5000, window), std::optional<std::size_t>(1000));
  EXPECT_TRUE(sameBytes(std::span(window).first(1000), std::span(data).subspan(5000, 1000)));
  EXPECT_EQ(file.readAt(6000, window), std::optional<std::size_t>(0));
  EXPECT_EQ(file.readAt(60'000, window), std::optional<std::size_t>(0));

  ASSERT_EQ(file.readAt(5000, std::span(window).first(1000)), std::optional<std::size_t>(1000));
  ASSERT_EQ(file.writeAll(std::span(data).subspan(6000)), FileError::kNone);
  file.close();
  EXPECT_TRUE(sameBytes(readFile(scratch.path("f.bin")), data));
}

struct FaultCase : test_support::NamedCase {
  std::size_t size;
  std::uint64_t limit;
  WriteFaultKind kind;
  FileError expected;
};

class InjectedWriteFault : public Files, public ::testing::WithParamInterface<FaultCase> {};

TEST_P(InjectedWriteFault, StopsExactlyAtTheLimit) {
  const FaultCase& c = GetParam();
  const auto data = patternBytes(c.size, 6);
  int reached = 0;
  injectWriteFault(c.limit, c.kind, [&] { ++reached; });
  {
    ExclusiveFile file = create();
    ASSERT_EQ(folder.rename(file, "f.bin"), FileError::kNone);
    EXPECT_EQ(file.writeAll(data), c.expected);
  }
  EXPECT_EQ(reached, 1);
  const auto written = readFile(scratch.path("f.bin"));
  ASSERT_EQ(written.size(), c.limit);
  EXPECT_TRUE(sameBytes(written, std::span(data).first(c.limit)));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, InjectedWriteFault,
    ::testing::Values(FaultCase{"FailAtOnce", 1000, 0, WriteFaultKind::kFail, FileError::kNoSpace},
                      FaultCase{"FailMidway", 1000, 617, WriteFaultKind::kFail, FileError::kNoSpace},
                      FaultCase{"FailInSecondRequest", (std::size_t{16} << 20) + 100,
                                (std::size_t{16} << 20) + 7, WriteFaultKind::kFail, FileError::kNoSpace},
                      FaultCase{"DropMidway", 1000, 617, WriteFaultKind::kDropSilently, FileError::kNone},
                      FaultCase{"DropLastByte", 1000, 999, WriteFaultKind::kDropSilently, FileError::kNone}),
    test_support::ByCaseName{});

}  // namespace
}  // namespace platform
