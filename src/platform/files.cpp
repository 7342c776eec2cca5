#include "platform/files.h"

#include <charconv>
#include <utility>

namespace platform {

std::string_view describe(FileError error) {
  switch (error) {
    case FileError::kNone:
      return "no error";
    case FileError::kNotFound:
      return "not found";
    case FileError::kInUse:
      return "in use";
    case FileError::kAccessDenied:
      return "access denied";
    case FileError::kExists:
      return "already exists";
    case FileError::kNoSpace:
      return "no space left";
    case FileError::kOther:
      break;
  }
  return "failed";
}

ExclusiveFile::Opened ExclusiveFile::openExisting(const std::string& path) {
  return open(path, How::kExisting);
}

ExclusiveFile::Opened ExclusiveFile::openForReading(const std::string& path) {
  return open(path, How::kForReading);
}

ExclusiveFile::Opened ExclusiveFile::createNew(const std::string& path) {
  return open(path, How::kNew);
}

ExclusiveFile::Opened ExclusiveFile::openToRemove(const std::string& path) {
  return open(path, How::kToRemove);
}

// Moving and destroying are the same on every backend; only close() knows the handle.
ExclusiveFile::ExclusiveFile(ExclusiveFile&& other) noexcept
    : handle_(std::exchange(other.handle_, kClosed)) {}

ExclusiveFile& ExclusiveFile::operator=(ExclusiveFile&& other) noexcept {
  if (this != &other) {
    close();
    handle_ = std::exchange(other.handle_, kClosed);
  }
  return *this;
}

ExclusiveFile::~ExclusiveFile() {
  close();
}

HeldFolder::HeldFolder(HeldFolder&& other) noexcept
    : handle_(std::exchange(other.handle_, kReleased)), path_(std::move(other.path_)) {}

HeldFolder& HeldFolder::operator=(HeldFolder&& other) noexcept {
  if (this != &other) {
    release();
    handle_ = std::exchange(other.handle_, kReleased);
    path_ = std::move(other.path_);
  }
  return *this;
}

HeldFolder::~HeldFolder() {
  release();
}

namespace {

std::string hex(std::uint32_t value) {
  char digits[8];
  const auto end = std::to_chars(digits, digits + sizeof digits, value, 16).ptr;
  return std::string(digits, end);
}

}  // namespace

ExclusiveFile::Created ExclusiveFile::createUnique(const std::string& prefix, std::string_view suffix) {
  // The process id keeps concurrent runs apart; the attempt number steps over names that an
  // earlier run of a process with the same id left behind.
  const std::uint32_t pid = currentProcessId();
  constexpr unsigned kAttempts = 64;
  Created created;
  for (unsigned attempt = 0; attempt < kAttempts; ++attempt) {
    // to_chars rather than snprintf: the printf family would bring its whole formatter, floating
    // point included, into the exe for these two numbers.
    std::string path = prefix + hex(pid) + '-' + hex(attempt);
    path += suffix;
    Opened opened = createNew(path);
    if (opened.file) {
      created.file = std::move(opened.file);
      created.path = std::move(path);
      created.error = FileError::kNone;
      return created;
    }
    created.error = opened.error;
    if (opened.error != FileError::kExists) break;
  }
  return created;
}

FileError removePlainFile(const std::string& path) {
  ExclusiveFile::Opened opened = ExclusiveFile::openToRemove(path);
  if (!opened.file) return opened.error;
  if (!opened.file->isPlainFileAt(path)) return FileError::kAccessDenied;
  return opened.file->remove();
}

}  // namespace platform
