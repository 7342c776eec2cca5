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
using platform::HeldFolder;
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
// before the new one took its place, leaves no target: the old file goes back, when it is a
// plain file of this folder.
void restoreOrphanedBackup(const HeldFolder& folder, const std::string& fileName) {
  for (const std::string& name : platform::filesInFolder(folder.path())) {
    if (!isTempOf(name, fileName) || !caseBlindEndsWith(name, kBackupSuffix)) continue;
    const std::string orphan = folder.path() + name;
    if (const ExclusiveFile::Opened opened = ExclusiveFile::openToRemove(orphan);
        !opened.file || !opened.file->isPlainFileAt(orphan)) {
      continue;
    }
    if (platform::moveIntoPlace(orphan, folder.path() + fileName) == FileError::kNone) return;
  }
}

// Files of earlier runs that were cut off (power loss, killed process) before they deleted the
// old target they had put aside, or that could not delete it because it was still running. One
// still held open, by a run going on right now, stays; so does anything at such a name that is
// not a plain file of this folder: a link, a folder, a second name of a file elsewhere.
void removeLeftovers(const HeldFolder& folder, const std::string& fileName) {
  for (const std::string& name : platform::filesInFolder(folder.path())) {
    if (isTempOf(name, fileName)) platform::removePlainFile(folder.path() + name);
  }
}

// An installation's hold on its folder and on the old target it put aside, until the old file
// is deleted through that hold.
struct PutAside {
  HeldFolder folder;
  ExclusiveFile old;
  std::string path;  // its name in the folder
};

std::vector<PutAside>& putAside() {
  static std::vector<PutAside> held;
  return held;
}

// A new file that is deleted again on scope exit unless it has been handed on: through its own
// handle while it is open, and after it was closed for the replace only if its name still
// stands for a plain file of the folder.
class TemporaryFile {
 public:
  explicit TemporaryFile(ExclusiveFile::Created created) : created_(std::move(created)) {}
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;
  ~TemporaryFile() {
    if (kept_) return;
    if (created_.file) {
      created_.file->remove();
    } else {
      platform::removePlainFile(created_.path);
    }
  }
  ExclusiveFile& file() { return *created_.file; }
  const std::string& path() const { return created_.path; }
  void close() { created_.file.reset(); }
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
  const PathParts given = platform::splitPath(filePath);
  if (given.fileName.empty()) return InstallOutcome::kNoFileName;

  // The folder is resolved once, through a link if it is one, and held until the old target has
  // been deleted: every step below names files of this one folder, which meanwhile nobody can
  // rename, delete or replace by a link. A failure releases it on return.
  HeldFolder::Opened held = HeldFolder::open(given.folder);
  if (!held.folder) return InstallOutcome::kCannotCreateTemp;  // no such folder, or not ours
  const HeldFolder& folder = *held.folder;
  const std::string target = folder.path() + given.fileName;

  // Can the target be replaced at all? Opening it for writing without truncating changes
  // nothing. Holding it keeps the target from being started or opened until the new file is
  // ready, which narrows the race with a user starting the program to the replace itself.
  ExclusiveFile::Opened current = ExclusiveFile::openExisting(target);
  if (current.error == FileError::kNotFound) {
    restoreOrphanedBackup(folder, given.fileName);
    current = ExclusiveFile::openExisting(target);
  }
  if (!current.file) {
    if (current.error == FileError::kInUse) return InstallOutcome::kTargetInUse;
    if (current.error == FileError::kAccessDenied) return InstallOutcome::kTargetDenied;
    // Anything else: no target yet, which the temporary file copes with.
  }
  const bool targetExists = current.file.has_value();

  removeLeftovers(folder, given.fileName);

  const std::string prefix = target + std::string(kTempInfix);
  ExclusiveFile::Created created = ExclusiveFile::createUnique(prefix, kTempSuffix);
  if (!created.file) return InstallOutcome::kCannotCreateTemp;
  TemporaryFile temp(std::move(created));
  if (const InstallOutcome written = writeChecked(temp.file(), payload);
      written != InstallOutcome::kInstalled) {
    return written;
  }
  if (temp.file().flush() != FileError::kNone) return InstallOutcome::kWriteFailed;
  temp.close();

  current.file.reset();
  if (!targetExists) {
    if (platform::moveIntoPlace(temp.path(), target) != FileError::kNone)
      return InstallOutcome::kReplaceFailed;
    temp.keep();
    return InstallOutcome::kInstalled;  // nothing to delete later: the folder is released
  }
  // The old file's last name, beside the temporary one, which was new: the replace renames the
  // old file there and never opens what may stand at that name. Room in the list first: once the
  // new file is in place, nothing may fail any more.
  const std::string backup =
      temp.path().substr(0, temp.path().size() - kTempSuffix.size()) + std::string(kBackupSuffix);
  putAside().reserve(putAside().size() + 1);
  if (platform::replaceFile(target, temp.path(), backup) != FileError::kNone) {
    return InstallOutcome::kReplaceFailed;
  }
  temp.keep();
  // Held from now on, so that what is deleted later is this very file. One that cannot be held
  // (a program started from it in the last moment still runs) is left for the next
  // installation into this folder, and the folder is released now.
  ExclusiveFile::Opened old = ExclusiveFile::openToRemove(backup);
  if (old.file) putAside().push_back(PutAside{std::move(*held.folder), std::move(*old.file), backup});
  return InstallOutcome::kInstalled;
}

void removeReplacedTargets() {
  // What the handle is on cannot change while it is held, so it is looked at only now, when
  // nobody waits: a link that stood at the target's name went aside with it and stays.
  for (PutAside& entry : putAside()) {
    if (entry.old.isPlainFileAt(entry.path)) entry.old.remove();
  }
  putAside().clear();  // and with them the holds on their folders and files
}

bool ExtractPayload(std::string_view resourceType, std::string_view resourceName,
                    const std::string& filePath) {
  const std::optional<std::span<const std::byte>> payload =
      platform::findOwnResource(resourceType, resourceName);
  if (!payload) return false;
  return installPayload(*payload, filePath) == InstallOutcome::kInstalled;
}

}  // namespace updater
