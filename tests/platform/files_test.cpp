#include "platform/files.h"

#include <gtest/gtest.h>

#include "support/named_cases.h"
#include "support/scratch_folder.h"

namespace platform {
namespace {

using namespace test_support;

class Files : public ::testing::Test {
 protected:
  void TearDown() override { clearWriteFault(); }
  ScratchFolder scratch;
};

TEST_F(Files, OpeningExistingForWritingLeavesTheFileAsItWas) {
  const auto old = patternBytes(5000, 1);
  writeFile(scratch.path("a.bin"), old);
  ExclusiveFile::Opened opened = ExclusiveFile::openExisting(scratch.path("a.bin"));
  ASSERT_TRUE(opened.file) << describe(opened.error);
  opened.file->close();
  EXPECT_TRUE(sameBytes(readFile(scratch.path("a.bin")), old));
}

TEST_F(Files, MissingFilesAndFoldersAreNotFound) {
  for (const std::string& path :
       {scratch.path("none.bin"), scratch.path("no-folder") + scratch.separator() + "a"}) {
    SCOPED_TRACE(path);
    EXPECT_EQ(ExclusiveFile::openExisting(path).error, FileError::kNotFound);
    EXPECT_EQ(ExclusiveFile::openForReading(path).error, FileError::kNotFound);
  }
  EXPECT_EQ(ExclusiveFile::createNew(scratch.path("no-folder") + scratch.separator() + "a").error,
            FileError::kNotFound);
}

TEST_F(Files, AnOpenFileIsSharedWithNoOne) {
  const auto old = patternBytes(100, 2);
  writeFile(scratch.path("held.bin"), old);
  ExclusiveFile::Opened holder = ExclusiveFile::openForReading(scratch.path("held.bin"));
  ASSERT_TRUE(holder.file);

  EXPECT_EQ(ExclusiveFile::openExisting(scratch.path("held.bin")).error, FileError::kInUse);
  EXPECT_EQ(ExclusiveFile::openForReading(scratch.path("held.bin")).error, FileError::kInUse);
  EXPECT_EQ(removeFile(scratch.path("held.bin")), FileError::kInUse);

  holder.file->close();
  EXPECT_TRUE(ExclusiveFile::openExisting(scratch.path("held.bin")).file);
  EXPECT_EQ(removeFile(scratch.path("held.bin")), FileError::kNone);
  EXPECT_EQ(scratch.fileNames(), Names{});
}

TEST_F(Files, ANewFileMustNotExistYet) {
  const auto old = patternBytes(64, 3);
  writeFile(scratch.path("there.bin"), old);
  EXPECT_EQ(ExclusiveFile::createNew(scratch.path("there.bin")).error, FileError::kExists);
  EXPECT_TRUE(sameBytes(readFile(scratch.path("there.bin")), old));
}

TEST_F(Files, UniqueNamesKeepPrefixAndSuffixAndNeverRepeat) {
  const std::string prefix = scratch.path("Ralvt.exe.x-");
  ExclusiveFile::Created first = ExclusiveFile::createUnique(prefix, ".tmp");
  ExclusiveFile::Created second = ExclusiveFile::createUnique(prefix, ".tmp");
  ASSERT_TRUE(first.file && second.file);
  EXPECT_NE(first.path, second.path);
  for (const std::string& path : {first.path, second.path}) {
    EXPECT_EQ(path.rfind(prefix, 0), 0u) << path;
    EXPECT_EQ(path.substr(path.size() - 4), ".tmp") << path;
  }
  const std::vector<std::string> names = filesInFolder(scratch.folder());
  const Names listed(names.begin(), names.end());
  EXPECT_EQ(listed, scratch.fileNames());
  EXPECT_EQ(listed.size(), 2u);
}

TEST_F(Files, ListingLeavesOutFoldersAndFailsQuietlyForMissingOnes) {
  writeFile(scratch.path("f"), patternBytes(1, 4));
  std::filesystem::create_directory(scratch.path("sub"));
  EXPECT_EQ(filesInFolder(scratch.folder()), std::vector<std::string>{"f"});
  EXPECT_TRUE(filesInFolder(scratch.path("gone") + scratch.separator()).empty());
}

TEST_F(Files, WritesMoreThanOneRequestAndReadsItBack) {
  // Larger than the biggest single request, so the write loop must carry on.
  const auto data = patternBytes((std::size_t{16} << 20) + 12345, 5);
  {
    ExclusiveFile::Opened created = ExclusiveFile::createNew(scratch.path("big.bin"));
    ASSERT_TRUE(created.file);
    ASSERT_EQ(created.file->writeAll(data), FileError::kNone);
    ASSERT_EQ(created.file->flush(), FileError::kNone);
  }
  EXPECT_TRUE(sameBytes(readFile(scratch.path("big.bin")), data));

  ExclusiveFile::Opened reader = ExclusiveFile::openForReading(scratch.path("big.bin"));
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
  ExclusiveFile::Opened created = ExclusiveFile::createNew(scratch.path("f.bin"));
  ASSERT_TRUE(created.file);
  ExclusiveFile& file = *created.file;
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
    ExclusiveFile::Opened created = ExclusiveFile::createNew(scratch.path("f.bin"));
    ASSERT_TRUE(created.file);
    EXPECT_EQ(created.file->writeAll(data), c.expected);
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

TEST_F(Files, ReplaceSwapsInTheNewFileAndKeepsTheOldAsBackup) {
  const auto old = patternBytes(3000, 7);
  const auto fresh = patternBytes(1000, 8);
  writeFile(scratch.path("t.exe"), old);
  writeFile(scratch.path("new.tmp"), fresh);

  ASSERT_EQ(replaceFile(scratch.path("t.exe"), scratch.path("new.tmp"), scratch.path("old.tmp")),
            FileError::kNone);
  EXPECT_TRUE(sameBytes(readFile(scratch.path("t.exe")), fresh));
  EXPECT_TRUE(sameBytes(readFile(scratch.path("old.tmp")), old));
  EXPECT_EQ(scratch.fileNames(), (Names{"old.tmp", "t.exe"}));
}

TEST_F(Files, ReplacingAHeldTargetChangesNothingAndLeavesNothingBehind) {
  const auto old = patternBytes(3000, 9);
  const auto fresh = patternBytes(1000, 10);
  writeFile(scratch.path("t.exe"), old);
  writeFile(scratch.path("new.tmp"), fresh);
  {
    ExclusiveFile::Opened holder = ExclusiveFile::openForReading(scratch.path("t.exe"));
    ASSERT_TRUE(holder.file);
    EXPECT_NE(replaceFile(scratch.path("t.exe"), scratch.path("new.tmp"), scratch.path("old.tmp")),
              FileError::kNone);
  }
  EXPECT_TRUE(sameBytes(readFile(scratch.path("t.exe")), old));
  EXPECT_TRUE(sameBytes(readFile(scratch.path("new.tmp")), fresh));
  EXPECT_EQ(scratch.fileNames(), (Names{"new.tmp", "t.exe"}));
}

TEST_F(Files, MoveIntoPlaceCreatesOrReplacesTheTarget) {
  const auto first = patternBytes(10, 11);
  const auto second = patternBytes(20, 12);
  writeFile(scratch.path("a.tmp"), first);
  ASSERT_EQ(moveIntoPlace(scratch.path("a.tmp"), scratch.path("t.exe")), FileError::kNone);
  writeFile(scratch.path("b.tmp"), second);
  ASSERT_EQ(moveIntoPlace(scratch.path("b.tmp"), scratch.path("t.exe")), FileError::kNone);
  EXPECT_TRUE(sameBytes(readFile(scratch.path("t.exe")), second));
  EXPECT_EQ(scratch.fileNames(), Names{"t.exe"});
}

}  // namespace
}  // namespace platform
