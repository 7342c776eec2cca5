#include "payload_compare.h"

#include <windows.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

namespace driver {

std::optional<bool> fileEqualsCarriedPayload(const std::string& updaterExe, const std::string& file) {
  const HMODULE image = LoadLibraryExA(updaterExe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  if (!image) return std::nullopt;
  std::optional<bool> result;
  if (const HRSRC info = FindResourceA(image, "UPGRADE", "EXE")) {
    const HGLOBAL loaded = LoadResource(image, info);
    const auto* bytes = static_cast<const char*>(LockResource(loaded));
    const DWORD size = SizeofResource(image, info);
    std::ifstream in(file, std::ios::binary);
    if (bytes && in) {
      const std::vector<char> written((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
      result = written.size() == size && std::memcmp(written.data(), bytes, size) == 0;
    }
  }
  FreeLibrary(image);
  return result;
}

}  // namespace driver
