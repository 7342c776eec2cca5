// POSIX files with the sharing rules of the real backend: an exclusive open takes a
// non-blocking flock, so a second exclusive open, or a deletion, of a held file fails as a
// sharing violation does. A file without its owner's write bit stands for a read-only file,
// refused for writing even to root.
#include <dirent.h>
#include <fcntl.h>
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
    case EEXIST:
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

std::string folderOf(const std::string& path) {
  const std::string folder = splitPath(path).folder;
  return folder.empty() ? std::string(".") : folder;
}

// Makes a finished rename survive a power cut: the folder entry must reach the device too.
void syncFolderOf(const std::string& path) {
  const Descriptor folder(::open(folderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (folder.get() >= 0) ::fsync(folder.get());
}

bool heldBySomeoneElse(const std::string& path) {
  const Descriptor probe(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  return probe.get() >= 0 && ::flock(probe.get(), LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
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

}  // namespace

ExclusiveFile::Opened ExclusiveFile::open(const std::string& windowsPath, How how) {
  const std::string path = hostPath(windowsPath);
  Opened opened;
  int flags = O_CLOEXEC;
  switch (how) {
    case How::kExisting:
      flags |= O_RDWR;
      break;
    case How::kForReading:
      flags |= O_RDONLY;
      break;
    case How::kNew:
      flags |= O_RDWR | O_CREAT | O_EXCL;
      break;
    case How::kToRemove:
      // The name itself: a link fails to open (ELOOP), a FIFO does not block.
      flags |= O_RDONLY | O_NOFOLLOW | O_NONBLOCK;
      break;
  }
  if (how == How::kExisting) {
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0 && (info.st_mode & S_IWUSR) == 0) {
      opened.error = FileError::kAccessDenied;
      return opened;
    }
  }
  Descriptor fd(::open(path.c_str(), flags, 0644));
  if (fd.get() < 0) {
    opened.error = lastError();
    return opened;
  }
  if (::flock(fd.get(), LOCK_EX | LOCK_NB) != 0) {
    opened.error = lastError();
    return opened;
  }
  opened.file.emplace(ExclusiveFile(fd.release()));
  return opened;
}

bool ExclusiveFile::isPlainFileAt(const std::string& windowsPath) const {
  struct stat info {};
  if (::fstat(static_cast<int>(handle_), &info) != 0 || !S_ISREG(info.st_mode) || info.st_nlink != 1)
    return false;
  const std::optional<std::string> resolved = pathOf(static_cast<int>(handle_));
  return resolved && *resolved == hostPath(windowsPath);
}

// POSIX deletes names, not files: the name the descriptor is open on goes, once it is checked
// to be this very file, while the lock keeps every other exclusive open out.
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
  const std::string path = windowsPath.empty() ? std::string(".") : hostPath(windowsPath);
  Opened opened;
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

FileError replaceFile(const std::string& windowsTarget, const std::string& windowsReplacement,
                      const std::string& windowsBackup) {
  const std::string target = hostPath(windowsTarget);
  const std::string replacement = hostPath(windowsReplacement);
  const std::string backup = hostPath(windowsBackup);
  struct stat info {};
  if (::stat(target.c_str(), &info) != 0) return lastError();
  if (heldBySomeoneElse(target) || heldBySomeoneElse(replacement)) return FileError::kInUse;
  // The new file takes over the old one's permissions, as the real backend's replace keeps
  // attributes.
  if (::chmod(replacement.c_str(), info.st_mode & 07777) != 0) return lastError();
  // A second name for the old file first, then one atomic rename over the target: there is
  // no moment at which the target name is missing.
  ::unlink(backup.c_str());
  if (::link(target.c_str(), backup.c_str()) != 0) return lastError();
  if (::rename(replacement.c_str(), target.c_str()) != 0) {
    const FileError error = lastError();
    ::unlink(backup.c_str());
    return error;
  }
  syncFolderOf(target);
  return FileError::kNone;
}

FileError moveIntoPlace(const std::string& windowsFrom, const std::string& windowsTo) {
  const std::string from = hostPath(windowsFrom);
  const std::string to = hostPath(windowsTo);
  if (heldBySomeoneElse(from) || heldBySomeoneElse(to)) return FileError::kInUse;
  if (::rename(from.c_str(), to.c_str()) != 0) return lastError();
  syncFolderOf(to);
  return FileError::kNone;
}

FileError removeFile(const std::string& windowsPath) {
  const std::string path = hostPath(windowsPath);
  if (heldBySomeoneElse(path)) return FileError::kInUse;
  return ::unlink(path.c_str()) == 0 ? FileError::kNone : lastError();
}

std::vector<std::string> filesInFolder(const std::string& windowsFolder) {
  const std::string folder = hostPath(windowsFolder);
  std::vector<std::string> names;
  const std::unique_ptr<DIR, DirCloser> dir(::opendir(folder.empty() ? "." : folder.c_str()));
  if (!dir) return names;
  while (const dirent* entry = ::readdir(dir.get())) {
    struct stat info {};
    const std::string path = (folder.empty() ? std::string() : folder) + entry->d_name;
    if (::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode)) names.emplace_back(entry->d_name);
  }
  return names;
}

std::uint32_t currentProcessId() {
  return static_cast<std::uint32_t>(::getpid());
}

}  // namespace platform
