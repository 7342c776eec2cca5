// The files seam on Windows. A folder's path is looked up once, with the Unicode call; from then
// on every file of it is reached through ntdll's calls relative to the folder's handle, or
// through a handle on the file itself. ntdll is looked up at run time so that the import list
// stays the documented one.
#include "platform/files.h"

#include <windows.h>
#include <winternl.h>

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <memory>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/ascii_case.h"
#include "platform/path_parts.h"
#include "platform/win32/system_entry.h"

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

// ntdll's file calls, looked up once.
struct Ntdll {
  HMODULE module = GetModuleHandleW(L"ntdll.dll");
  decltype(&::NtCreateFile) createFile = SYSTEM_ENTRY(module, NtCreateFile);
  decltype(&::NtSetInformationFile) setInformationFile = SYSTEM_ENTRY(module, NtSetInformationFile);
  decltype(&::RtlNtStatusToDosError) statusToDosError = SYSTEM_ENTRY(module, RtlNtStatusToDosError);
};

const Ntdll& ntdll() {
  static const Ntdll entries;
  return entries;
}

FileError fromStatus(NTSTATUS status) {
  if (status >= 0) return FileError::kNone;
  return ntdll().statusToDosError ? fromSystem(ntdll().statusToDosError(status)) : FileError::kOther;
}

// System-code-page text as UTF-16; none when it is not valid text of that code page.
std::optional<std::wstring> wide(std::string_view text) {
  if (text.empty()) return std::wstring();
  const int length = MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, text.data(),
                                         static_cast<int>(text.size()), nullptr, 0);
  if (length <= 0) return std::nullopt;
  std::wstring result(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, text.data(), static_cast<int>(text.size()), result.data(),
                      length);
  return result;
}

// UTF-16 text in the system's code page, only when that spells it exactly: a best-fit look-alike
// ("\" for a full-width reverse solidus) would name something else.
std::optional<std::string> narrowExactly(std::wstring_view text) {
  if (text.empty()) return std::string();
  BOOL lossy = FALSE;
  const int length = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(),
                                         static_cast<int>(text.size()), nullptr, 0, nullptr, &lossy);
  if (length <= 0 || lossy) return std::nullopt;
  std::string result(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(), static_cast<int>(text.size()), result.data(),
                      length, nullptr, &lossy);
  if (lossy || wide(result) != std::wstring(text)) return std::nullopt;
  return result;
}

// UTF-16 as UTF-8, which keeps every character, for comparing final paths.
std::string utf8(std::wstring_view text) {
  if (text.empty()) return {};
  const int length = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                         nullptr, nullptr);
  std::string result(static_cast<std::size_t>(std::max(length, 0)), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), result.data(), length, nullptr,
                      nullptr);
  return result;
}

// The path the system resolved a handle to, as UTF-8, "\\?\" and all: it is only compared, never
// looked up.
std::optional<std::string> finalPathOf(HANDLE handle) {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetFinalPathNameByHandleW(handle, path.data(), static_cast<DWORD>(path.size()),
                                                   FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
    if (length == 0) return std::nullopt;
    const bool fits = length < path.size();
    path.resize(length);  // when it does not fit, the length the path needs, its NUL included
    if (fits) return utf8(path);
  }
}

std::optional<FILE_ATTRIBUTE_TAG_INFO> attributeTag(HANDLE handle) {
  FILE_ATTRIBUTE_TAG_INFO tag;
  if (!GetFileInformationByHandleEx(handle, FileAttributeTagInfo, &tag, sizeof tag)) return std::nullopt;
  return tag;
}

// How a file of a held folder is opened: the rights the handle needs and what may stand at the
// name. None of them shares anything.
struct OpenMode {
  ACCESS_MASK access;
  ULONG disposition;
};
// The target: can it be written (a running program forbids that), renamed aside, and its access
// list copied?
constexpr OpenMode kExisting{GENERIC_READ | GENERIC_WRITE | DELETE | READ_CONTROL, FILE_OPEN};
constexpr OpenMode kToRemove{DELETE | FILE_READ_ATTRIBUTES, FILE_OPEN};
constexpr OpenMode kNew{GENERIC_READ | GENERIC_WRITE | DELETE | WRITE_DAC, FILE_CREATE};

// A handle on `name` opened relative to the folder handle, or why there is none. A reparse point
// at the name is opened itself, never followed, and a folder does not open at all.
struct Relative {
  HANDLE handle = nullptr;
  FileError error = FileError::kNone;
};

Relative openRelative(HANDLE folder, std::string_view name, OpenMode mode) {
  const std::optional<std::wstring> wideName = wide(name);
  if (!isSingleName(name) || !wideName || !ntdll().createFile) return {nullptr, FileError::kNotFound};
  UNICODE_STRING objectName;
  objectName.Buffer = const_cast<PWSTR>(wideName->c_str());
  objectName.Length = static_cast<USHORT>(wideName->size() * sizeof(wchar_t));
  objectName.MaximumLength = objectName.Length;
  OBJECT_ATTRIBUTES attributes;
  InitializeObjectAttributes(&attributes, &objectName, OBJ_CASE_INSENSITIVE, folder, nullptr);
  IO_STATUS_BLOCK io{};
  HANDLE handle = nullptr;
  const NTSTATUS status = ntdll().createFile(
      &handle, mode.access | SYNCHRONIZE, &attributes, &io, nullptr, FILE_ATTRIBUTE_NORMAL, 0,
      mode.disposition, FILE_NON_DIRECTORY_FILE | FILE_SYNCHRONOUS_IO_NONALERT | FILE_OPEN_REPARSE_POINT,
      nullptr, 0);
  if (status < 0) return {nullptr, fromStatus(status)};
  return {handle, FileError::kNone};
}

// A second handle on the folder `folder` is on, made through it without a name: a listing starts
// afresh only on a handle of its own (Wine serves every later listing of one handle from what it
// read the first time, even when told to start again).
HANDLE reopenForListing(HANDLE folder) {
  if (!ntdll().createFile) return nullptr;
  UNICODE_STRING noName{};
  OBJECT_ATTRIBUTES attributes;
  InitializeObjectAttributes(&attributes, &noName, OBJ_CASE_INSENSITIVE, folder, nullptr);
  IO_STATUS_BLOCK io{};
  HANDLE handle = nullptr;
  const NTSTATUS status = ntdll().createFile(
      &handle, FILE_LIST_DIRECTORY | SYNCHRONIZE, &attributes, &io, nullptr, 0,
      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, FILE_OPEN,
      FILE_DIRECTORY_FILE | FILE_SYNCHRONOUS_IO_NONALERT | FILE_OPEN_REPARSE_POINT, nullptr, 0);
  return status < 0 ? nullptr : handle;
}

struct HandleCloser {
  void operator()(HANDLE handle) const { CloseHandle(handle); }
};

}  // namespace

bool isAbsolutePath(std::string_view path) {
  return isAbsoluteWindowsPath(path);
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

std::optional<std::size_t> ExclusiveFile::readAt(std::uint64_t offset, std::span<std::byte> buffer) {
  // A move and a plain read rather than a read with an OVERLAPPED offset: Wine posts the
  // completion of such a read to its server, a round trip that costs more than reading the
  // megabyte itself when the processors are busy. Reading past the end is an empty read.
  LARGE_INTEGER position;
  position.QuadPart = static_cast<LONGLONG>(offset);
  if (!SetFilePointerEx(asHandle(handle_), position, nullptr, FILE_BEGIN)) return std::nullopt;
  return read(buffer);
}

FileError ExclusiveFile::takePropertiesOf(const ExclusiveFile& model) {
  // The attributes a user or an installer may have set; read-only never gets this far, and the
  // rest (compression, sparseness) belong to how the bytes are stored.
  constexpr DWORD kKept = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE |
                          FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
  FILE_BASIC_INFO basic;
  if (!GetFileInformationByHandleEx(asHandle(model.handle_), FileBasicInfo, &basic, sizeof basic))
    return lastError();
  const DWORD attributes = basic.FileAttributes & kKept;
  FILE_BASIC_INFO set{};  // times of 0 stay as they are
  set.FileAttributes = attributes != 0 ? attributes : FILE_ATTRIBUTE_NORMAL;
  if (!SetFileInformationByHandle(asHandle(handle_), FileBasicInfo, &set, sizeof set)) return lastError();

  // The access list exactly as the old file had it, inherited entries and protection included: a
  // new file would otherwise take the folder's inheritable rights, undoing an administrator's
  // hardening of the program. A volume that keeps no access lists has none to give.
  DWORD needed = 0;
  GetKernelObjectSecurity(asHandle(model.handle_), DACL_SECURITY_INFORMATION, nullptr, 0, &needed);
  if (needed == 0) return FileError::kNone;
  std::vector<std::byte> descriptor(needed);
  if (!GetKernelObjectSecurity(asHandle(model.handle_), DACL_SECURITY_INFORMATION, descriptor.data(), needed,
                               &needed)) {
    return FileError::kNone;
  }
  return SetKernelObjectSecurity(asHandle(handle_), DACL_SECURITY_INFORMATION, descriptor.data())
             ? FileError::kNone
             : lastError();
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

HeldFolder::Opened HeldFolder::open(const std::string& path) {
  Opened opened;
  const std::optional<std::wstring> widePath = wide(path);
  if (!isAbsolutePath(path) || !widePath) {
    opened.error = FileError::kNotFound;
    return opened;
  }
  // Reading access, so that the share mode counts: a handle for attributes only shares nothing
  // away; it also lets the folder be listed. Backup semantics open a folder, and a link to one
  // is followed to the real folder.
  const HANDLE handle = CreateFileW(widePath->c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
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
  folder.finalPath_ = std::move(*resolved);
  opened.folder.emplace(std::move(folder));
  return opened;
}

void HeldFolder::release() {
  if (handle_ != kReleased) CloseHandle(asHandle(std::exchange(handle_, kReleased)));
}

bool HeldFolder::isPlainFolder() const {
  const std::optional<FILE_ATTRIBUTE_TAG_INFO> tag = attributeTag(asHandle(handle_));
  return tag && (tag->FileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0 &&
         (tag->FileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0;
}

ExclusiveFile::Opened HeldFolder::openIn(std::string_view name, How how) const {
  const OpenMode mode = how == How::kExisting ? kExisting : how == How::kToRemove ? kToRemove : kNew;
  const Relative relative = openRelative(asHandle(handle_), name, mode);
  ExclusiveFile::Opened opened;
  opened.error = relative.error;
  if (!relative.handle) return opened;
  opened.file.emplace(ExclusiveFile(reinterpret_cast<std::intptr_t>(relative.handle)));
  // Windows refuses to open a read-only file for writing; Wine run by root does not, so ask the
  // handle.
  if (how == How::kExisting) {
    const std::optional<FILE_ATTRIBUTE_TAG_INFO> tag = attributeTag(relative.handle);
    if (!tag || (tag->FileAttributes & FILE_ATTRIBUTE_READONLY) != 0) {
      opened.file.reset();
      opened.error = FileError::kAccessDenied;
    }
  }
  return opened;
}

FileError HeldFolder::rename(ExclusiveFile& file, std::string_view name) const {
  const std::optional<std::wstring> wideName = wide(name);
  if (!isSingleName(name) || !wideName || !ntdll().setInformationFile) return FileError::kNotFound;
  // The structure ends in the name, of any length.
  const std::size_t nameBytes = wideName->size() * sizeof(wchar_t);
  std::vector<std::byte> buffer(offsetof(FILE_RENAME_INFORMATION, FileName) + nameBytes + sizeof(wchar_t));
  FILE_RENAME_INFORMATION info{};
  info.ReplaceIfExists = FALSE;
  info.RootDirectory = asHandle(handle_);
  info.FileNameLength = static_cast<ULONG>(nameBytes);
  std::memcpy(buffer.data(), &info, offsetof(FILE_RENAME_INFORMATION, FileName));
  std::memcpy(buffer.data() + offsetof(FILE_RENAME_INFORMATION, FileName), wideName->data(), nameBytes);
  IO_STATUS_BLOCK io{};
  const NTSTATUS status = ntdll().setInformationFile(
      asHandle(file.handle_), &io, buffer.data(), static_cast<ULONG>(buffer.size()), FileRenameInformation);
  if (status < 0) return fromStatus(status);
  // What MoveFileEx's write-through does: the file's flush commits its new name with it. The
  // name has changed either way, so a flush that fails does not make the rename one that failed.
  file.flush();
  return FileError::kNone;
}

bool HeldFolder::holds(const ExclusiveFile& file, std::string_view name) const {
  // The attributes and the count of names, without the volume's serial number that
  // GetFileInformationByHandle also fetches: under Wine that costs a round trip to the mount
  // manager, most of a millisecond on a busy machine.
  const HANDLE handle = asHandle(file.handle_);
  const std::optional<FILE_ATTRIBUTE_TAG_INFO> tag = attributeTag(handle);
  FILE_STANDARD_INFO standard;
  if (!tag || !GetFileInformationByHandleEx(handle, FileStandardInfo, &standard, sizeof standard))
    return false;
  if ((tag->FileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) != 0) return false;
  if (standard.Directory || standard.NumberOfLinks != 1) return false;
  // Wine opens a Unix link to a file as its target, and calls it a plain file: the final path
  // gives it away. The folder's part is the system's own spelling on both sides.
  const std::optional<std::string> resolved = finalPathOf(handle);
  if (!resolved || !resolved->starts_with(finalPath_)) return false;
  const std::optional<std::wstring> wideName = wide(name);
  return wideName && caseBlindEqual(std::string_view(*resolved).substr(finalPath_.size()), utf8(*wideName));
}

std::vector<std::string> HeldFolder::fileNames() const {
  std::vector<std::string> names;
  const std::unique_ptr<void, HandleCloser> listing(reopenForListing(asHandle(handle_)));
  if (!listing) return names;
  // Aligned for the entries' 64-bit fields.
  std::vector<LONGLONG> buffer(64 * 1024 / sizeof(LONGLONG));
  while (GetFileInformationByHandleEx(listing.get(), FileIdBothDirectoryInfo, buffer.data(),
                                      static_cast<DWORD>(buffer.size() * sizeof(LONGLONG)))) {
    const auto* bytes = reinterpret_cast<const std::byte*>(buffer.data());
    for (;;) {
      const auto* entry = reinterpret_cast<const FILE_ID_BOTH_DIR_INFO*>(bytes);
      if ((entry->FileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
        if (std::optional<std::string> name =
                narrowExactly(std::wstring_view(entry->FileName, entry->FileNameLength / sizeof(wchar_t)))) {
          names.push_back(std::move(*name));
        }
      }
      if (entry->NextEntryOffset == 0) break;
      bytes += entry->NextEntryOffset;
    }
  }
  return names;
}

std::uint32_t currentProcessId() {
  return GetCurrentProcessId();
}

}  // namespace platform
