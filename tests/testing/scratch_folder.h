#pragma once
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace test_support {

// The names of the files in a folder.
using Names = std::set<std::string>;

// A fresh folder for one test, removed with everything in it afterwards.
class ScratchFolder {
 public:
  ScratchFolder() {
    static std::atomic<unsigned> counter{0};
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    root_ = std::filesystem::temp_directory_path() /
            ("payload-test-" + std::to_string(stamp) + "-" + std::to_string(counter++));
    std::filesystem::create_directories(root_);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  ~ScratchFolder() {
    std::error_code ignored;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root_, ignored)) {
      std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_all,
                                   std::filesystem::perm_options::add, ignored);
    }
    std::filesystem::remove_all(root_, ignored);
  }

  // The folder as the system's own path text, ending in a separator.
  std::string folder() const { return root_.string() + separator(); }
  std::string path(std::string_view name) const { return folder() + std::string(name); }

  // Names of the plain files in the folder.
  Names fileNames() const {
    Names names;
    for (const auto& entry : std::filesystem::directory_iterator(root_)) {
      if (entry.is_regular_file()) names.insert(entry.path().filename().string());
    }
    return names;
  }

  static char separator() { return static_cast<char>(std::filesystem::path::preferred_separator); }

 private:
  std::filesystem::path root_;
};

// Bytes that differ from offset to offset and from seed to seed, so that a shifted, truncated
// or mixed-up copy never matches.
inline std::vector<std::byte> patternBytes(std::size_t size, std::uint32_t seed) {
  std::vector<std::byte> bytes(size);
  std::uint32_t state = seed * 2654435761u + 1;
  for (std::byte& b : bytes) {
    state = state * 1664525u + 1013904223u;
    b = static_cast<std::byte>(state >> 24);
  }
  return bytes;
}

inline void writeFile(const std::string& path, const std::vector<std::byte>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

inline std::vector<std::byte> readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary | std::ios::ate);
  if (!in) return {};
  std::vector<std::byte> bytes(static_cast<std::size_t>(in.tellg()));
  in.seekg(0);
  in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return bytes;
}

inline bool sameBytes(std::span<const std::byte> a, std::span<const std::byte> b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin());
}

}  // namespace test_support
