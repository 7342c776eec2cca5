#pragma once
#include <cstddef>
#include <cstdint>
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

// Whether `path` names a folder from the root of a drive or share, so that it means the same
// whatever the process's current folder and drive are: "C:\App", "\\server\share\App". A
// relative path ("App"), one from the current drive's root ("\App") and a drive's current folder
// ("C:App") are not.
bool isAbsolutePath(std::string_view path);

// A file opened for the caller alone: while it is open, no other handle, in this process or any
// other, may open it, delete it or rename it. Only a HeldFolder opens one, by a name in itself.
class ExclusiveFile {
 public:
  struct Opened;
  struct Created;

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
  // Gives this file the attributes and the access list of `model` (opened by openExisting), so
  // that a file taking its place is no easier to change than it was.
  FileError takePropertiesOf(const ExclusiveFile& model);
  // Closes now rather than at destruction. Further use of the object is an error.
  void close();
  // Deletes the file that this handle is on, whatever name stands at its path meanwhile, and
  // closes the handle.
  FileError remove();

 private:
  friend class HeldFolder;
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
  std::string name;  // in its folder
  FileError error = FileError::kNone;
};

// A folder looked up by its path once and from then on reached only through the handle: every
// file of it is opened, created, renamed and listed relative to that handle, so no later step
// looks a path up again, and a link that a name of the folder turns out to be is never followed.
// While it is held, nobody (this process included) can rename or delete the folder: the handle
// shares reading and writing, not deletion.
//
// A name is one file name in this folder, without separators; a name that is not one (empty,
// "." or "..", with a separator) is not found.
class HeldFolder {
 public:
  struct Opened;
  // The folder at the absolute `path`, with or without its trailing separator. A folder reached
  // through a link is the real folder behind it; the link stays as it is.
  static Opened open(const std::string& path);

  HeldFolder(HeldFolder&& other) noexcept;
  HeldFolder& operator=(HeldFolder&& other) noexcept;
  HeldFolder(const HeldFolder&) = delete;
  HeldFolder& operator=(const HeldFolder&) = delete;
  ~HeldFolder();

  // Whether the held folder is still plainly a folder: not turned into a link in place, which
  // would send the names looked up in it elsewhere.
  bool isPlainFolder() const;

  // An existing file for reading, writing and renaming, untouched: nothing is truncated or
  // written. Asks whether the file could be replaced now without disturbing anyone. A read-only
  // file is refused (kAccessDenied).
  ExclusiveFile::Opened openExisting(std::string_view name) const;
  // Whatever file stands at `name` itself, to be looked at and perhaps removed: a link is opened
  // as the link where the system can, never written. Fails as kInUse while anyone else holds it.
  ExclusiveFile::Opened openToRemove(std::string_view name) const;
  // A new file named stem + a part unique to this process and attempt + suffix: never one that
  // stands at the name already, be it a file, a folder or a link.
  ExclusiveFile::Created createUnique(std::string_view stem, std::string_view suffix) const;
  // Renames `file`, opened through this folder for writing (openExisting, createUnique), to
  // `name` in this folder, and then asks for the rename to be put on the device. Whatever stands
  // at `name` stays: the rename fails as kExists.
  FileError rename(ExclusiveFile& file, std::string_view name) const;
  // Renames `file` as rename() does to stem + a part unique to this process and attempt +
  // suffix, stepping over names that are taken; the name it now has, or empty on failure.
  std::string renameUnique(ExclusiveFile& file, std::string_view stem, std::string_view suffix) const;
  // Whether `file` is a plain file of this folder whose one and only name is `name`: not a folder,
  // not a link, not a second name of a file elsewhere, and not reached through a link.
  bool holds(const ExclusiveFile& file, std::string_view name) const;
  // The names of the files in the folder, folders left out. A name the system's code page cannot
  // spell exactly is left out too: it is no name this program makes.
  std::vector<std::string> fileNames() const;

 private:
  HeldFolder(std::intptr_t handle, std::string finalPath)
      : handle_(handle), finalPath_(std::move(finalPath)) {}
  // The loop behind createUnique and renameUnique: `attempt` with one name after another until it
  // succeeds or fails for any reason but a name that is taken.
  template <class Attempt>
  static std::string uniqueName(std::string_view stem, std::string_view suffix, Attempt attempt);
  // The backend's one open of a name relative to the handle, for each use above.
  enum class How { kExisting, kToRemove, kNew };
  ExclusiveFile::Opened openIn(std::string_view name, How how) const;
  void release();
  static constexpr std::intptr_t kReleased = -1;
  std::intptr_t handle_ = kReleased;
  // The folder's own final path, taken once from the handle, as the backend compares it.
  std::string finalPath_;
};

struct HeldFolder::Opened {
  std::optional<HeldFolder> folder;
  FileError error = FileError::kNone;
};

// Identifies this process among the running ones; part of unique file names.
std::uint32_t currentProcessId();

}  // namespace platform
