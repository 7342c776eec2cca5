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

constexpr std::string_view kAsideSuffix = ".old.tmp";

bool isAsideOf(std::string_view candidate, std::string_view fileName) {
  return isTempOf(candidate, fileName) && caseBlindEndsWith(candidate, kAsideSuffix);
}

// A run cut off between putting the old file aside and putting the new one in its place leaves
// no target, and the old file under its put-aside name. It goes back when it is the only plain
// file of this folder under such a name: with more than one, which of them was the target is not
// known, and all of them stay for the user to see.
void restoreOrphanedOldFile(const HeldFolder& folder, const std::string& fileName) {
  std::optional<ExclusiveFile> orphan;
  for (const std::string& name : folder.fileNames()) {
    if (!isAsideOf(name, fileName)) continue;
    ExclusiveFile::Opened opened = folder.openExisting(name);
    if (!opened.file || !folder.holds(*opened.file, name)) continue;
    if (orphan) return;
    orphan = std::move(opened.file);
  }
  // Held from the check through the rename: what goes back is the file that was checked.
  if (orphan && folder.isPlainFolder()) folder.rename(*orphan, fileName);
}

// Files of earlier runs that were cut off (power loss, killed process): new files not yet in
// place, or old files put aside but not yet deleted (or kept by a program still running from
// them). An old one may be the only copy of the program until a new target is in place, so the
// two kinds go at different times. One still held open, by a run going on right now, stays; so
// does anything at such a name that is not a plain file of this folder: a link, a folder, a
// second name of a file elsewhere.
enum class Leftovers { kUnfinished, kPutAside };

void removeLeftovers(const HeldFolder& folder, const std::string& fileName, Leftovers which) {
  for (const std::string& name : folder.fileNames()) {
    if (!isTempOf(name, fileName) || isAsideOf(name, fileName) != (which == Leftovers::kPutAside)) continue;
    if (!folder.isPlainFolder()) return;
    ExclusiveFile::Opened opened = folder.openToRemove(name);
    if (opened.file && folder.holds(*opened.file, name)) opened.file->remove();
  }
}

// An installation's hold on its folder and on the old target it put aside, until the old file
// is deleted through that hold.
struct PutAside {
  HeldFolder folder;
  ExclusiveFile old;
  std::string name;      // in the folder
  std::string fileName;  // of the target, whose earlier put-aside files go too
};

std::vector<PutAside>& putAside() {
  static std::vector<PutAside> held;
  return held;
}

// A new file that is deleted again through its own handle on scope exit, unless it has been
// renamed into place. Its handle is held from its creation to that rename, so nobody else can
// open it, delete it or rename it, nor put anything at its name meanwhile.
class TemporaryFile {
 public:
  explicit TemporaryFile(ExclusiveFile file) : file_(std::move(file)) {}
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;
  ~TemporaryFile() {
    if (!kept_) file_.remove();
  }
  ExclusiveFile& file() { return file_; }
  void keep() { kept_ = true; }

 private:
  ExclusiveFile file_;
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
    case InstallOutcome::kFolderNotPlain:
      return "install folder is no longer a plain folder";
    case InstallOutcome::kReplaceFailed:
      break;
  }
  return "replace failed";
}

InstallOutcome installPayload(std::span<const std::byte> payload, const std::string& filePath) {
  const PathParts given = platform::splitPath(filePath);
  if (given.fileName.empty()) return InstallOutcome::kNoFileName;
  const std::string& fileName = given.fileName;

  // The folder is looked up by its path once, through a link if it is one, and held until the
  // old target has been deleted: every step below works relative to this handle, or through a
  // handle on a file of it, and meanwhile nobody can rename the folder or delete it. Each step
  // first asks whether it is still plainly a folder. A failure releases it on return.
  HeldFolder::Opened held = HeldFolder::open(given.folder);
  if (!held.folder) return InstallOutcome::kCannotCreateTemp;  // no such folder, or not ours
  const HeldFolder& folder = *held.folder;
  if (!folder.isPlainFolder()) return InstallOutcome::kFolderNotPlain;

  // Can the target be replaced at all? Opening it for writing without truncating changes
  // nothing. Holding it keeps the target from being started or opened until it is put aside,
  // and what is put aside is then this very file.
  ExclusiveFile::Opened current = folder.openExisting(fileName);
  if (current.error == FileError::kNotFound) {
    restoreOrphanedOldFile(folder, fileName);
    current = folder.openExisting(fileName);
  }
  if (!current.file) {
    if (current.error == FileError::kInUse) return InstallOutcome::kTargetInUse;
    if (current.error == FileError::kAccessDenied) return InstallOutcome::kTargetDenied;
    // Anything else: no target yet. The new file then takes a free name only.
  } else if (!folder.holds(*current.file, fileName)) {
    return InstallOutcome::kTargetDenied;  // a link, or a second name of a file elsewhere
  }
  const bool targetExists = current.file.has_value();

  removeLeftovers(folder, fileName, Leftovers::kUnfinished);

  const std::string stem = fileName + std::string(kTempInfix);
  if (!folder.isPlainFolder()) return InstallOutcome::kFolderNotPlain;
  ExclusiveFile::Created created = folder.createUnique(stem, kTempSuffix);
  if (!created.file) return InstallOutcome::kCannotCreateTemp;
  TemporaryFile temp(std::move(*created.file));
  if (const InstallOutcome written = writeChecked(temp.file(), payload);
      written != InstallOutcome::kInstalled) {
    return written;
  }
  if (temp.file().flush() != FileError::kNone) return InstallOutcome::kWriteFailed;

  if (!targetExists) {
    if (!folder.isPlainFolder()) return InstallOutcome::kFolderNotPlain;
    if (folder.rename(temp.file(), fileName) != FileError::kNone) return InstallOutcome::kReplaceFailed;
    temp.keep();
    // Old files that could not be brought back are no longer needed; with nothing of this run
    // to delete later, the folder is released.
    removeLeftovers(folder, fileName, Leftovers::kPutAside);
    return InstallOutcome::kInstalled;
  }
  ExclusiveFile& old = *current.file;
  if (temp.file().takePropertiesOf(old) != FileError::kNone) return InstallOutcome::kWriteFailed;
  // Room in the list first: once the new file is in place, nothing may fail any more.
  putAside().reserve(putAside().size() + 1);
  if (!folder.isPlainFolder()) return InstallOutcome::kFolderNotPlain;
  // The old file steps aside to a fresh name, then the new one takes the target's; should the
  // second step fail, the old file goes back through the handle that never let go of it. If even
  // that fails, it stays the one put-aside file, which the next installation brings back.
  const std::string aside = folder.renameUnique(old, stem, kAsideSuffix);
  if (aside.empty()) return InstallOutcome::kReplaceFailed;
  const bool stillPlain = folder.isPlainFolder();
  if (!stillPlain || folder.rename(temp.file(), fileName) != FileError::kNone) {
    folder.rename(old, fileName);
    return stillPlain ? InstallOutcome::kReplaceFailed : InstallOutcome::kFolderNotPlain;
  }
  temp.keep();
  putAside().push_back(PutAside{std::move(*held.folder), std::move(old), aside, fileName});
  return InstallOutcome::kInstalled;
}

void removeReplacedTargets() {
  // What the handle is on cannot change while it is held, so it is looked at only now, when
  // nobody waits: a link that stood at the target's name would have been refused as the target.
  for (PutAside& entry : putAside()) {
    if (entry.folder.isPlainFolder() && entry.folder.holds(entry.old, entry.name)) entry.old.remove();
    removeLeftovers(entry.folder, entry.fileName, Leftovers::kPutAside);
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
