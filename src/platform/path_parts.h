// Inline helpers only: a path cut where its folder ends, as the files seam reads paths.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace platform {

// A path in the seam's terms (system-code-page text, "\" and "/" both separate folders, and "C:"
// names a drive's current folder), cut where its folder ends.
struct PathParts {
  std::string folder;    // with its trailing separator or colon; empty for the current folder
  std::string fileName;  // empty when the path ends in a separator
};

inline PathParts splitPath(std::string_view path) {
  const std::size_t end = path.find_last_of("\\/:");
  if (end == std::string_view::npos) return {std::string(), std::string(path)};
  return {std::string(path.substr(0, end + 1)), std::string(path.substr(end + 1))};
}

// Whether `name` is one name in a folder: not empty, not "." or "..", and free of the
// separators, the drive colon and the NUL that would make it reach beyond that folder.
inline bool isSingleName(std::string_view name) {
  return !name.empty() && name != "." && name != ".." &&
         name.find_first_of(std::string_view("\\/:\0", 4)) == std::string_view::npos;
}

// Whether `path` starts at the root of a drive ("C:\", "C:/") or of a share or device ("\\"),
// the only paths that mean the same whatever the process's current folder and drive are.
inline bool isAbsoluteWindowsPath(std::string_view path) {
  const auto separator = [](char c) { return c == '\\' || c == '/'; };
  const auto letter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); };
  if (path.size() >= 3 && letter(path[0]) && path[1] == ':' && separator(path[2])) return true;
  return path.size() >= 3 && separator(path[0]) && separator(path[1]) && !separator(path[2]);
}

}  // namespace platform
