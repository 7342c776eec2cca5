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

}  // namespace platform
