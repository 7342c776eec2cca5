#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace platform {

// Why a file operation failed, in the terms a caller can act on.
enum class FileError {
  kNone,
  kNotFound,      // the file, or a folder on its path, does not exist
  kInUse,         // another open handle forbids it: a running program, a holder sharing nothing
  kAccessDenied,  // a read-only file, a folder, or no rights
  kExists,        // the file was to be new but is already there
  kNoSpace,       // the volume is full
  kOther,
};

std::string_view describe(FileError error);

// A file opened for the caller alone: while it is open, no other handle, in this process or any
// other, may open it. Paths are plain system-code-page text; "\" and "/" both separate folders.
class ExclusiveFile {
 public:
  struct Opened;
  struct Created;

  // An existing file for reading and writing, untouched: nothing is truncated or written. Asks
  // whether the file could be replaced now without disturbing anyone.
  static Opened openExisting(const std::string& path);
  // An existing file for reading only.
  static Opened openForReading(const std::string& path);
  // A file that must not exist yet: never one that stands at the name already, be it a file, a
  // folder or a link. It can be removed through the handle (remove()).
  static Opened createNew(const std::string& path);
  // A new file named prefix + a part unique to this process and attempt + suffix, in the folder
  // that `prefix` starts with.
  static Created createUnique(const std::string& prefix, std::string_view suffix);
  // Whatever stands at `path` itself, to be looked at and perhaps removed: a link is opened as the
  // link where the system can, never written. Fails as kInUse while anyone else holds it.
  static Opened openToRemove(const std::string& path);

  ExclusiveFile(ExclusiveFile&& other) noexcept;
  ExclusiveFile& operator=(ExclusiveFile&& other) noexcept;
  ExclusiveFile(const ExclusiveFile&) = delete;
  ExclusiveFile& operator=(const ExclusiveFile&) = delete;
  ~ExclusiveFile();

  // Writes every byte, request after request, from the current position. Stops at the first
  // failure; what was written before it stays written.
  FileError writeAll(std::span<const std::byte> data);
  // Asks the system to put everything written so far onto the device.
  FileError flush();
  // Reads up to buffer.size() bytes from the current position; 0 bytes means the end.
  std::optional<std::size_t> read(std::span<std::byte> buffer);
  // Reads up to buffer.size() bytes at `offset`; 0 bytes means the end. The next write goes
  // where it would have gone anyway when `offset` + the bytes read is the current position.
  std::optional<std::size_t> readAt(std::uint64_t offset, std::span<std::byte> buffer);
  // Closes now rather than at destruction. Further use of the object is an error.
  void close();
  // Whether this handle is on a plain file whose one and only name is `path`, a file directly in
  // a folder whose final path is given (HeldFolder::path): not a folder, not a link, not a second
  // name of a file elsewhere, and not reached through a link.
  bool isPlainFileAt(const std::string& path) const;
  // Deletes the file that this handle is on, whatever name stands at its path meanwhile, and
  // closes the handle. The handle needs the right to delete: createNew and openToRemove give it.
  FileError remove();

 private:
  enum class How { kExisting, kForReading, kNew, kToRemove };
  static Opened open(const std::string& path, How how);
  // Very large single requests can fail on some devices and shares; the loops carry the rest.
  static constexpr std::size_t kMaxRequest = std::size_t{16} << 20;
  struct Written {
    std::size_t bytes = 0;
    FileError error = FileError::kNone;
  };
  // The backend's one request to the system for up to min(data.size(), kMaxRequest) bytes at the
  // current position: how many it wrote, or why it failed. writeAll carries the rest.
  Written writeSome(std::span<const std::byte> data);
  explicit ExclusiveFile(std::intptr_t handle) : handle_(handle) {}
  static constexpr std::intptr_t kClosed = -1;
  // The backend's handle, held as a number so this header stays free of system headers.
  std::intptr_t handle_ = kClosed;
};

struct ExclusiveFile::Opened {
  std::optional<ExclusiveFile> file;
  FileError error = FileError::kNone;
};

struct ExclusiveFile::Created {
  std::optional<ExclusiveFile> file;
  std::string path;
  FileError error = FileError::kNone;
};

// An install folder held for the length of an installation. While it is held, nobody (this
// process included) can rename or delete it or put a link in its place: the handle shares
// reading and writing, not deletion. Its path is the final one, taken from the handle, so a
// folder reached through a link is the real folder behind it; the link stays as it is.
class HeldFolder {
 public:
  struct Opened;
  // `path` names the folder, with or without its trailing separator; empty: the current folder.
  static Opened open(const std::string& path);

  HeldFolder(HeldFolder&& other) noexcept;
  HeldFolder& operator=(HeldFolder&& other) noexcept;
  HeldFolder(const HeldFolder&) = delete;
  HeldFolder& operator=(const HeldFolder&) = delete;
  ~HeldFolder();

  // The folder's final path, with its trailing separator.
  const std::string& path() const { return path_; }

 private:
  HeldFolder(std::intptr_t handle, std::string path) : handle_(handle), path_(std::move(path)) {}
  void release();
  static constexpr std::intptr_t kReleased = -1;
  std::intptr_t handle_ = kReleased;
  std::string path_;
};

struct HeldFolder::Opened {
  std::optional<HeldFolder> folder;
  FileError error = FileError::kNone;
};

// Puts `replacement` in the place of the existing `target` in one step, keeping the target's
// attributes; the old target goes to `backup`, which the caller removes. On failure the target
// keeps its name and content.
FileError replaceFile(const std::string& target, const std::string& replacement, const std::string& backup);

// Renames `from` to `to` (replacing a file there) and waits until the rename is on the device.
FileError moveIntoPlace(const std::string& from, const std::string& to);

// Deletes a file. A file that someone holds open cannot be deleted.
FileError removeFile(const std::string& path);

// Deletes what stands at `path` only when it is a plain file of that folder (isPlainFileAt, with
// `path` in a folder's final path), through a handle on the file itself: a link, a folder or a
// file with another name elsewhere stays, and so does one that someone holds open.
FileError removePlainFile(const std::string& path);

// The names of the plain files in a folder given with its trailing separator (empty: the current
// folder). Empty when the folder cannot be read.
std::vector<std::string> filesInFolder(const std::string& folder);

// Identifies this process among the running ones; part of unique file names.
std::uint32_t currentProcessId();

// Test seam for faults that are hard to provoke on demand, such as a volume filling up. Once
// `limit` more bytes have gone through writeAll in this process, writes stop: `kFail` makes them
// fail as on a full volume, `kDropSilently` reports them written although they were not, like a
// device that loses data. `atLimit` runs once, on the writing thread, when the limit is reached.
enum class WriteFaultKind { kFail, kDropSilently };
void injectWriteFault(std::uint64_t limit, WriteFaultKind kind, std::function<void()> atLimit = {});
void clearWriteFault();

}  // namespace platform
