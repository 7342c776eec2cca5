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
    : handle_(std::exchange(other.handle_, kReleased)), finalPath_(std::move(other.finalPath_)) {}

HeldFolder& HeldFolder::operator=(HeldFolder&& other) noexcept {
  if (this != &other) {
    release();
    handle_ = std::exchange(other.handle_, kReleased);
    finalPath_ = std::move(other.finalPath_);
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

ExclusiveFile::Opened HeldFolder::openExisting(std::string_view name) const {
  return openIn(name, How::kExisting);
}

ExclusiveFile::Opened HeldFolder::openToRemove(std::string_view name) const {
  return openIn(name, How::kToRemove);
}

template <class Attempt>
std::string HeldFolder::uniqueName(std::string_view stem, std::string_view suffix, Attempt attempt) {
  // The process id keeps concurrent runs apart; the attempt number steps over names that an
  // earlier run of a process with the same id left behind, and over names planted in the way.
  const std::uint32_t pid = currentProcessId();
  constexpr unsigned kAttempts = 64;
  for (unsigned number = 0; number < kAttempts; ++number) {
    // to_chars rather than snprintf: the printf family would bring its whole formatter, floating
    // point included, into the exe for these two numbers.
    std::string name = std::string(stem) + hex(pid) + '-' + hex(number);
    name += suffix;
    const FileError error = attempt(name);
    if (error == FileError::kNone) return name;
    if (error != FileError::kExists) break;
  }
  return {};
}

ExclusiveFile::Created HeldFolder::createUnique(std::string_view stem, std::string_view suffix) const {
  ExclusiveFile::Created created;
  created.name = uniqueName(stem, suffix, [&](const std::string& name) {
    ExclusiveFile::Opened opened = openIn(name, How::kNew);
    created.file = std::move(opened.file);
    return created.error = opened.error;
  });
  return created;
}

std::string HeldFolder::renameUnique(ExclusiveFile& file, std::string_view stem,
                                     std::string_view suffix) const {
  return uniqueName(stem, suffix, [&](const std::string& name) { return rename(file, name); });
}

}  // namespace platform
