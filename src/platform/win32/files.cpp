#include "platform/files.h"

#include <windows.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <string_view>
#include <type_traits>
#include <utility>

#include "platform/ascii_case.h"
#include "platform/path_parts.h"

namespace platform {
namespace {

FileError fromSystem(DWORD code) {
  switch (code) {
    case ERROR_SUCCESS:
      return FileError::kNone;
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
    case ERROR_BAD_NETPATH:
    case ERROR_INVALID_DRIVE:
      return FileError::kNotFound;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_USER_MAPPED_FILE:
      return FileError::kInUse;
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT:
      return FileError::kAccessDenied;
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
      return FileError::kExists;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
      return FileError::kNoSpace;
    default:
      return FileError::kOther;
  }
}

FileError lastError() {
  return fromSystem(GetLastError());
}

HANDLE asHandle(std::intptr_t value) {
  return reinterpret_cast<HANDLE>(value);
}

struct FindCloser {
  void operator()(HANDLE search) const { FindClose(search); }
};
using FindHandle = std::unique_ptr<std::remove_pointer_t<HANDLE>, FindCloser>;

// The path the system resolved a handle to, in the seam's terms: "C:\...", or "\\server\...".
std::optional<std::string> finalPathOf(HANDLE handle) {
  std::string path(MAX_PATH, '\0');
  for (;;) {
    const DWORD length = GetFinalPathNameByHandleA(handle, path.data(), static_cast<DWORD>(path.size()),
                                                   FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
    if (length == 0) return std::nullopt;
    const bool fits = length < path.size();
    path.resize(length);  // when it does not fit, the length the path needs, its NUL included
    if (fits) break;
  }
  constexpr std::string_view kUnc = "\\\\?\\UNC\\";
  constexpr std::string_view kLocal = "\\\\?\\";
  if (path.starts_with(kUnc)) return "\\\\" + path.substr(kUnc.size());
  if (path.starts_with(kLocal)) return path.substr(kLocal.size());
  return path;
}

// The backup files that ReplaceFile makes on its own (rf*.tmp in the target's folder).
std::vector<std::string> replaceLeftovers(const std::string& folder) {
  std::vector<std::string> names = filesInFolder(folder);
  std::erase_if(names, [](const std::string& name) {
    return !caseBlindStartsWith(name, "rf") || !caseBlindEndsWith(name, ".tmp");
  });
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace

ExclusiveFile::Opened ExclusiveFile::open(const std::string& path, How how) {
  Opened opened;
  if (how == How::kExisting) {
    // Windows refuses to open a read-only file for writing; Wine run by root does not, so ask.
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0) {
      opened.error = FileError::kAccessDenied;
      return opened;
    }
  }
  DWORD access = GENERIC_READ | GENERIC_WRITE;
  DWORD disposition = OPEN_EXISTING;
  DWORD flags = FILE_ATTRIBUTE_NORMAL;
  switch (how) {
    case How::kExisting:
      break;
    case How::kForReading:
      access = GENERIC_READ;
      break;
    case How::kNew:
      access |= DELETE;
      disposition = CREATE_NEW;
      break;
    case How::kToRemove:
      // The link itself, not what it points to; a folder does not open without backup semantics.
      access = DELETE | FILE_READ_ATTRIBUTES;
      flags = FILE_FLAG_OPEN_REPARSE_POINT;
      break;
  }
  // Share mode 0: while open, nobody else may read, write, delete or rename the file.
  const HANDLE handle = CreateFileA(path.c_str(), access, 0, nullptr, disposition, flags, nullptr);
  if (handle == INVALID_HANDLE_VALUE) {
    opened.error = lastError();
  } else {
    opened.file.emplace(ExclusiveFile(reinterpret_cast<std::intptr_t>(handle)));
  }
  return opened;
}

void ExclusiveFile::close() {
  if (handle_ != kClosed) CloseHandle(asHandle(std::exchange(handle_, kClosed)));
}

ExclusiveFile::Written ExclusiveFile::writeSome(std::span<const std::byte> data) {
  DWORD written = 0;
  const auto request = static_cast<DWORD>(std::min(data.size(), kMaxRequest));
  if (!WriteFile(asHandle(handle_), data.data(), request, &written, nullptr)) return {0, lastError()};
  return {written, FileError::kNone};
}

FileError ExclusiveFile::flush() {
  return FlushFileBuffers(asHandle(handle_)) ? FileError::kNone : lastError();
}

std::optional<std::size_t> ExclusiveFile::read(std::span<std::byte> buffer) {
  DWORD got = 0;
  const auto request = static_cast<DWORD>(std::min(buffer.size(), kMaxRequest));
  if (!ReadFile(asHandle(handle_), buffer.data(), request, &got, nullptr)) return std::nullopt;
  return got;
}

bool ExclusiveFile::isPlainFileAt(const std::string& path) const {
  // The attributes and the count of names, without the volume's serial number that
  // GetFileInformationByHandle also fetches: under Wine that costs a round trip to the mount
  // manager, most of a millisecond on a busy machine.
  FILE_ATTRIBUTE_TAG_INFO tag;
  FILE_STANDARD_INFO standard;
  if (!GetFileInformationByHandleEx(asHandle(handle_), FileAttributeTagInfo, &tag, sizeof tag) ||
      !GetFileInformationByHandleEx(asHandle(handle_), FileStandardInfo, &standard, sizeof standard)) {
    return false;
  }
  if ((tag.FileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) != 0) return false;
  if (standard.Directory || standard.NumberOfLinks != 1) return false;
  // Wine opens a Unix link to a file as its target, and calls it a plain file: the final path
  // gives it away.
  const std::optional<std::string> resolved = finalPathOf(asHandle(handle_));
  return resolved && caseBlindEqual(*resolved, path);
}

FileError ExclusiveFile::remove() {
  FILE_DISPOSITION_INFO disposition{TRUE};
  const FileError error =
      SetFileInformationByHandle(asHandle(handle_), FileDispositionInfo, &disposition, sizeof disposition)
          ? FileError::kNone
          : lastError();
  close();  // the file goes with its last handle
  return error;
}

std::optional<std::size_t> ExclusiveFile::readAt(std::uint64_t offset, std::span<std::byte> buffer) {
  // A move and a plain read rather than a read with an OVERLAPPED offset: Wine posts the
  // completion of such a read to its server, a round trip that costs more than reading the
  // megabyte itself when the processors are busy. Reading past the end is an empty read.
  LARGE_INTEGER position;
  position.QuadPart = static_cast<LONGLONG>(offset);
  if (!SetFilePointerEx(asHandle(handle_), position, nullptr, FILE_BEGIN)) return std::nullopt;
  return read(buffer);
}

HeldFolder::Opened HeldFolder::open(const std::string& path) {
  Opened opened;
  // Reading access, so that the share mode counts: a handle for attributes only shares nothing
  // away. Backup semantics open a folder.
  const HANDLE handle =
      CreateFileA(path.empty() ? "." : path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                  nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (handle == INVALID_HANDLE_VALUE) {
    opened.error = lastError();
    return opened;
  }
  HeldFolder folder(reinterpret_cast<std::intptr_t>(handle), std::string());
  FILE_STANDARD_INFO standard;
  std::optional<std::string> resolved;
  if (!GetFileInformationByHandleEx(handle, FileStandardInfo, &standard, sizeof standard) ||
      !standard.Directory || !(resolved = finalPathOf(handle))) {
    opened.error = FileError::kNotFound;
    return opened;
  }
  if (!resolved->ends_with('\\')) *resolved += '\\';
  folder.path_ = std::move(*resolved);
  opened.folder.emplace(std::move(folder));
  return opened;
}

void HeldFolder::release() {
  if (handle_ != kReleased) CloseHandle(asHandle(std::exchange(handle_, kReleased)));
}

FileError replaceFile(const std::string& target, const std::string& replacement, const std::string& backup) {
  // Some implementations park the old file under an rf*.tmp name of their own even when given a
  // backup name, and leave it there when they fail; whatever appears here during the call is
  // theirs to remove.
  const std::string folder = splitPath(target).folder;
  const std::vector<std::string> before = replaceLeftovers(folder);
  const BOOL replaced =
      ReplaceFileA(target.c_str(), replacement.c_str(), backup.c_str(), 0, nullptr, nullptr);
  const DWORD code = replaced ? ERROR_SUCCESS : GetLastError();
  for (const std::string& name : replaceLeftovers(folder)) {
    if (!std::binary_search(before.begin(), before.end(), name)) removePlainFile(folder + name);
  }
  if (code == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2) {
    // The old file went to the backup name but the new one did not follow: put the old one back.
    MoveFileExA(backup.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH);
  }
  return fromSystem(code);
}

FileError moveIntoPlace(const std::string& from, const std::string& to) {
  return MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)
             ? FileError::kNone
             : lastError();
}

FileError removeFile(const std::string& path) {
  return DeleteFileA(path.c_str()) ? FileError::kNone : lastError();
}

std::vector<std::string> filesInFolder(const std::string& folder) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA found;
  const HANDLE first = FindFirstFileA((folder + "*").c_str(), &found);
  if (first == INVALID_HANDLE_VALUE) return names;
  const FindHandle search(first);
  do {
    if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) names.emplace_back(found.cFileName);
  } while (FindNextFileA(search.get(), &found));
  return names;
}

std::uint32_t currentProcessId() {
  return GetCurrentProcessId();
}

}  // namespace platform
