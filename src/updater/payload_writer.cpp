#include "updater/payload_writer.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <utility>
#include <vector>

#include "platform/ascii_case.h"
#include "platform/files.h"
#include "platform/path_parts.h"
#include "platform/resources.h"

namespace updater {
namespace {

using platform::caseBlindEndsWith;
using platform::caseBlindEqual;
using platform::caseBlindStartsWith;
using platform::ExclusiveFile;
using platform::FileError;
using platform::PathParts;

// The payload is written and read back in pieces of this size, through one window of this
// size: the payload itself is never copied.
constexpr std::size_t kVerifyChunk = std::size_t{1} << 20;

bool isTempOf(std::string_view candidate, std::string_view fileName) {
  const std::size_t start = fileName.size() + kTempInfix.size();
  return candidate.size() > start + kTempSuffix.size() && caseBlindStartsWith(candidate, fileName) &&
         caseBlindEqual(candidate.substr(fileName.size(), kTempInfix.size()), kTempInfix) &&
         caseBlindEndsWith(candidate, kTempSuffix);
}

constexpr std::string_view kBackupSuffix = ".old.tmp";

// A run cut off inside the replace, after the old file was renamed to its backup name and
// before the new one took its place, leaves no target: the old file goes back.
void restoreOrphanedBackup(const PathParts& target) {
  for (const std::string& name : platform::filesInFolder(target.folder)) {
    if (isTempOf(name, target.fileName) && caseBlindEndsWith(name, kBackupSuffix) &&
        platform::moveIntoPlace(target.folder + name, target.folder + target.fileName) == FileError::kNone) {
      return;
    }
  }
}

// Files of earlier runs that were cut off (power loss, killed process) before they deleted the
// old target they had put aside, or that could not delete it because it was still running. One
// still held open, by a run going on right now, stays.
void removeLeftovers(const PathParts& target) {
  for (const std::string& name : platform::filesInFolder(target.folder)) {
    if (isTempOf(name, target.fileName)) platform::removeFile(target.folder + name);
  }
}

// The old targets put aside by this process's installations, still to be deleted.
std::vector<std::string>& replacedTargets() {
  static std::vector<std::string> paths;
  return paths;
}

// A new file that is deleted again on scope exit, once closed, unless it has been handed on.
class TemporaryFile {
 public:
  explicit TemporaryFile(ExclusiveFile::Created created) : created_(std::move(created)) {}
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;
  ~TemporaryFile() {
    created_.file.reset();
    if (!kept_) platform::removeFile(created_.path);
  }
  ExclusiveFile& file() { return *created_.file; }
  const std::string& path() const { return created_.path; }
  void keep() { kept_ = true; }

 private:
  ExclusiveFile::Created created_;
  bool kept_ = false;
};

// Whether the file holds exactly `expected` at `offset`, read through `window`.
bool holdsAt(ExclusiveFile& file, std::uint64_t offset, std::span<const std::byte> expected,
             std::span<std::byte> window) {
  while (!expected.empty()) {
    const std::optional<std::size_t> got = file.readAt(offset, window.first(expected.size()));
    if (!got || *got == 0) return false;
    if (std::memcmp(window.data(), expected.data(), *got) != 0) return false;
    offset += *got;
    expected = expected.subspan(*got);
  }
  return true;
}

// Writes the payload a piece at a time and reads each piece back while it is still in the
// processor's cache, which costs a fraction of a second pass over the whole file; then makes
// sure nothing follows the payload.
InstallOutcome writeChecked(ExclusiveFile& file, std::span<const std::byte> payload) {
  std::vector<std::byte> window(kVerifyChunk);
  for (std::size_t offset = 0; offset < payload.size(); offset += kVerifyChunk) {
    const std::span<const std::byte> piece =
        payload.subspan(offset, std::min(kVerifyChunk, payload.size() - offset));
    if (file.writeAll(piece) != FileError::kNone) return InstallOutcome::kWriteFailed;
    if (!holdsAt(file, offset, piece, window)) return InstallOutcome::kVerifyFailed;
  }
  const std::optional<std::size_t> beyond = file.readAt(payload.size(), std::span(window).first(1));
  if (beyond != std::size_t{0}) return InstallOutcome::kVerifyFailed;
  return InstallOutcome::kInstalled;
}

}  // namespace

std::string_view describe(InstallOutcome outcome) {
  switch (outcome) {
    case InstallOutcome::kInstalled:
      return "installed";
    case InstallOutcome::kNoFileName:
      return "no file name";
    case InstallOutcome::kTargetInUse:
      return "target in use";
    case InstallOutcome::kTargetDenied:
      return "target denied";
    case InstallOutcome::kCannotCreateTemp:
      return "cannot create temporary file";
    case InstallOutcome::kWriteFailed:
      return "write failed";
    case InstallOutcome::kVerifyFailed:
      return "verification failed";
    case InstallOutcome::kReplaceFailed:
      break;
  }
  return "replace failed";
}

InstallOutcome installPayload(std::span<const std::byte> payload, const std::string& filePath) {
  const PathParts target = platform::splitPath(filePath);
  if (target.fileName.empty()) return InstallOutcome::kNoFileName;

  // Can the target be replaced at all? Opening it for writing without truncating changes
  // nothing. Holding it keeps the target from being started or opened until the new file is
  // ready, which narrows the race with a user starting the program to the replace itself.
  ExclusiveFile::Opened current = ExclusiveFile::openExisting(filePath);
  if (current.error == FileError::kNotFound) {
    restoreOrphanedBackup(target);
    current = ExclusiveFile::openExisting(filePath);
  }
  if (!current.file) {
    if (current.error == FileError::kInUse) return InstallOutcome::kTargetInUse;
    if (current.error == FileError::kAccessDenied) return InstallOutcome::kTargetDenied;
    // Anything else: no target yet, or no folder, which the temporary file will find out.
  }
  const bool targetExists = current.file.has_value();

  removeLeftovers(target);

  const std::string prefix = target.folder + target.fileName + std::string(kTempInfix);
  ExclusiveFile::Created created = ExclusiveFile::createUnique(prefix, kTempSuffix);
  if (!created.file) return InstallOutcome::kCannotCreateTemp;
  TemporaryFile temp(std::move(created));
  if (const InstallOutcome written = writeChecked(temp.file(), payload);
      written != InstallOutcome::kInstalled) {
    return written;
  }
  if (temp.file().flush() != FileError::kNone) return InstallOutcome::kWriteFailed;
  temp.file().close();

  current.file.reset();
  if (targetExists) {
    // The old file's last name. Room for it in the list first: once the new file is in place,
    // nothing may fail any more.
    std::string backup =
        temp.path().substr(0, temp.path().size() - kTempSuffix.size()) + std::string(kBackupSuffix);
    replacedTargets().reserve(replacedTargets().size() + 1);
    if (platform::replaceFile(filePath, temp.path(), backup) != FileError::kNone) {
      return InstallOutcome::kReplaceFailed;
    }
    temp.keep();
    replacedTargets().push_back(std::move(backup));
  } else {
    if (platform::moveIntoPlace(temp.path(), filePath) != FileError::kNone)
      return InstallOutcome::kReplaceFailed;
    temp.keep();
  }
  return InstallOutcome::kInstalled;
}

void removeReplacedTargets() {
  for (const std::string& path : replacedTargets()) platform::removeFile(path);
  replacedTargets().clear();
}

bool ExtractPayload(std::string_view resourceType, std::string_view resourceName,
                    const std::string& filePath) {
  const std::optional<std::span<const std::byte>> payload =
      platform::findOwnResource(resourceType, resourceName);
  if (!payload) return false;
  return installPayload(*payload, filePath) == InstallOutcome::kInstalled;
}

}  // namespace updater
