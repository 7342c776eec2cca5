// POSIX files with the sharing rules of the real backend: an exclusive open takes a
// non-blocking flock, so a second exclusive open, or a deletion, of a held file fails as a
// sharing violation does. A file without its owner's write bit stands for a read-only file,
// refused for writing even to root. POSIX renames and deletes names, not files: a rename or a
// deletion through a handle takes the name the descriptor is open on, once the folder's entry at
// that name is checked to be this very file.
#include <dirent.h>
#include <fcntl.h>
#include <stdio.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "platform/files.h"
#include "platform/headless/files.h"
#include "platform/path_parts.h"

namespace platform {
namespace {

FileError fromErrno(int code) {
  switch (code) {
    case 0:
      return FileError::kNone;
    case ENOENT:
    case ENOTDIR:
      return FileError::kNotFound;
    case EWOULDBLOCK:
    case ETXTBSY:
      return FileError::kInUse;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
      return FileError::kAccessDenied;
    case ELOOP:  // a link at a name that is never followed
      return FileError::kAccessDenied;
    case EEXIST:
    case ENOTEMPTY:
      return FileError::kExists;
    case ENOSPC:
    case EDQUOT:
      return FileError::kNoSpace;
    default:
      return FileError::kOther;
  }
}

FileError lastError() {
  return fromErrno(errno);
}

// Descriptor closed on scope exit, for short-lived opens.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  int get() const { return fd_; }
  int release() { return std::exchange(fd_, -1); }

 private:
  int fd_;
};

// Callers write paths as on Windows, where "\\" separates folders as "/" does.
std::string hostPath(std::string path) {
  std::replace(path.begin(), path.end(), '\\', '/');
  return path;
}

struct DirCloser {
  void operator()(DIR* dir) const { ::closedir(dir); }
};

// The path a descriptor is open on now, as the kernel names it.
std::optional<std::string> pathOf(int fd) {
  char target[4096];
  const std::string link = "/proc/self/fd/" + std::to_string(fd);
  const ssize_t length = ::readlink(link.c_str(), target, sizeof target);
  if (length <= 0 || static_cast<std::size_t>(length) >= sizeof target) return std::nullopt;
  return std::string(target, static_cast<std::size_t>(length));
}

bool sameFile(const struct stat& a, const struct stat& b) {
  return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// The name in `folder` of the file that `fd` is open on, when the folder's entry at that name is
// this very file.
std::optional<std::string> nameIn(int folder, int fd) {
  const std::optional<std::string> path = pathOf(fd);
  struct stat open {
  }, named{};
  if (!path || ::fstat(fd, &open) != 0) return std::nullopt;
  std::string name = path->substr(path->find_last_of('/') + 1);
  if (::fstatat(folder, name.c_str(), &named, AT_SYMLINK_NOFOLLOW) != 0 || !sameFile(open, named))
    return std::nullopt;
  return name;
}

headless::RenameStep& renameStep() {
  static headless::RenameStep step;
  return step;
}

}  // namespace

bool isAbsolutePath(std::string_view path) {
  return isAbsoluteWindowsPath(path) || path.starts_with('/');
}

void headless::beforeEachRename(RenameStep step) {
  renameStep() = std::move(step);
}

ExclusiveFile::Opened HeldFolder::openIn(std::string_view name, How how) const {
  ExclusiveFile::Opened opened;
  if (!isSingleName(name)) {
    opened.error = FileError::kNotFound;
    return opened;
  }
  // The name itself in every case: a link fails to open (ELOOP), a FIFO does not block.
  int flags = O_CLOEXEC | O_NOFOLLOW;
  switch (how) {
    case How::kExisting:
      flags |= O_RDWR;
      break;
    case How::kToRemove:
      flags |= O_RDONLY | O_NONBLOCK;
      break;
    case How::kNew:
      flags |= O_RDWR | O_CREAT | O_EXCL;
      break;
  }
  Descriptor fd(::openat(static_cast<int>(handle_), std::string(name).c_str(), flags, 0644));
  struct stat info {};
  if (fd.get() < 0 || ::fstat(fd.get(), &info) != 0) {
    opened.error = lastError();
    return opened;
  }
  if (S_ISDIR(info.st_mode) || (how == How::kExisting && (info.st_mode & S_IWUSR) == 0)) {
    opened.error = FileError::kAccessDenied;
    return opened;
  }
  if (::flock(fd.get(), LOCK_EX | LOCK_NB) != 0) {
    opened.error = lastError();
    return opened;
  }
  opened.file.emplace(ExclusiveFile(fd.release()));
  return opened;
}

bool HeldFolder::isPlainFolder() const {
  struct stat held {
  }, named{};
  const std::string path = finalPath_.substr(0, finalPath_.size() - 1);
  return ::fstat(static_cast<int>(handle_), &held) == 0 && ::lstat(path.c_str(), &named) == 0 &&
         S_ISDIR(named.st_mode) && sameFile(held, named);
}

FileError HeldFolder::rename(ExclusiveFile& file, std::string_view name) const {
  const int folder = static_cast<int>(handle_);
  const std::optional<std::string> from = nameIn(folder, static_cast<int>(file.handle_));
  if (!isSingleName(name) || !from) return FileError::kNotFound;
  const std::string to(name);
  if (renameStep()) {
    if (const FileError refused = renameStep()(*from, to); refused != FileError::kNone) return refused;
  }
  if (::renameat2(folder, from->c_str(), folder, to.c_str(), RENAME_NOREPLACE) != 0) {
    if (errno != EINVAL) return lastError();
    // A file system without the flag: a second name that must be new, then the first one goes.
    if (::linkat(folder, from->c_str(), folder, to.c_str(), 0) != 0) return lastError();
    ::unlinkat(folder, from->c_str(), 0);
  }
  // A finished rename survives a power cut only once the folder's entry is on the device too.
  // The name has changed either way, so a sync that fails does not make the rename one that
  // failed.
  ::fsync(folder);
  return FileError::kNone;
}

bool HeldFolder::holds(const ExclusiveFile& file, std::string_view name) const {
  struct stat open {
  }, named{};
  return isSingleName(name) && ::fstat(static_cast<int>(file.handle_), &open) == 0 && S_ISREG(open.st_mode) &&
         open.st_nlink == 1 &&
         ::fstatat(static_cast<int>(handle_), std::string(name).c_str(), &named, AT_SYMLINK_NOFOLLOW) == 0 &&
         sameFile(open, named);
}

std::vector<std::string> HeldFolder::fileNames() const {
  std::vector<std::string> names;
  const int copy = ::dup(static_cast<int>(handle_));
  if (copy < 0) return names;
  const std::unique_ptr<DIR, DirCloser> dir(::fdopendir(copy));
  if (!dir) {
    ::close(copy);
    return names;
  }
  ::rewinddir(dir.get());
  while (const dirent* entry = ::readdir(dir.get())) {
    struct stat info {};
    const bool folder =
        ::fstatat(static_cast<int>(handle_), entry->d_name, &info, 0) == 0 && S_ISDIR(info.st_mode);
    if (!folder && std::string_view(entry->d_name) != "." && std::string_view(entry->d_name) != "..")
      names.emplace_back(entry->d_name);
  }
  return names;
}

FileError ExclusiveFile::takePropertiesOf(const ExclusiveFile& model) {
  struct stat info {};
  if (::fstat(static_cast<int>(model.handle_), &info) != 0) return lastError();
  return ::fchmod(static_cast<int>(handle_), info.st_mode & 07777) == 0 ? FileError::kNone : lastError();
}

// The lock keeps every other exclusive open out meanwhile.
FileError ExclusiveFile::remove() {
  const int fd = static_cast<int>(handle_);
  const std::optional<std::string> path = pathOf(fd);
  struct stat open {
  }, named{};
  FileError error = FileError::kOther;
  if (path && ::fstat(fd, &open) == 0 && ::lstat(path->c_str(), &named) == 0 && open.st_dev == named.st_dev &&
      open.st_ino == named.st_ino) {
    error = ::unlink(path->c_str()) == 0 ? FileError::kNone : lastError();
  }
  close();
  return error;
}

void ExclusiveFile::close() {
  if (handle_ != kClosed) ::close(static_cast<int>(std::exchange(handle_, kClosed)));
}

ExclusiveFile::Written ExclusiveFile::writeSome(std::span<const std::byte> data) {
  for (;;) {
    const ssize_t written =
        ::write(static_cast<int>(handle_), data.data(), std::min(data.size(), kMaxRequest));
    if (written >= 0) return {static_cast<std::size_t>(written), FileError::kNone};
    if (errno != EINTR) return {0, lastError()};
  }
}

FileError ExclusiveFile::flush() {
  return ::fsync(static_cast<int>(handle_)) == 0 ? FileError::kNone : lastError();
}

std::optional<std::size_t> ExclusiveFile::read(std::span<std::byte> buffer) {
  for (;;) {
    const ssize_t got =
        ::read(static_cast<int>(handle_), buffer.data(), std::min(buffer.size(), kMaxRequest));
    if (got >= 0) return static_cast<std::size_t>(got);
    if (errno != EINTR) return std::nullopt;
  }
}

std::optional<std::size_t> ExclusiveFile::readAt(std::uint64_t offset, std::span<std::byte> buffer) {
  for (;;) {
    const ssize_t got = ::pread(static_cast<int>(handle_), buffer.data(),
                                std::min(buffer.size(), kMaxRequest), static_cast<off_t>(offset));
    if (got >= 0) return static_cast<std::size_t>(got);
    if (errno != EINTR) return std::nullopt;
  }
}

HeldFolder::Opened HeldFolder::open(const std::string& windowsPath) {
  const std::string path = hostPath(windowsPath);
  Opened opened;
  if (!isAbsolutePath(windowsPath) || !path.starts_with('/')) {
    opened.error = FileError::kNotFound;
    return opened;
  }
  Descriptor fd(::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  std::optional<std::string> resolved;
  // A shared lock stands for the handle that shares everything but deletion: holders coexist,
  // and folderIsHeld asks for the exclusive one that a rename would need.
  if (fd.get() < 0 || ::flock(fd.get(), LOCK_SH | LOCK_NB) != 0 || !(resolved = pathOf(fd.get()))) {
    opened.error = lastError();
    return opened;
  }
  if (!resolved->ends_with('/')) *resolved += '/';
  opened.folder.emplace(HeldFolder(fd.release(), std::move(*resolved)));
  return opened;
}

void HeldFolder::release() {
  if (handle_ != kReleased) ::close(static_cast<int>(std::exchange(handle_, kReleased)));
}

bool headless::folderIsHeld(const std::string& windowsPath) {
  const Descriptor fd(::open(hostPath(windowsPath).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  return fd.get() >= 0 && ::flock(fd.get(), LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
}

std::uint32_t currentProcessId() {
  return static_cast<std::uint32_t>(::getpid());
}

}  // namespace platform
