// Reading a value of the installation record decodes whatever the store holds: any type, any
// bytes, with or without a terminating NUL. An empty value reads as empty text whatever its type;
// a non-empty value of a type other than the two string types is refused; a string reads as its
// data up to the first NUL.
//
// Input: the value's type as 4 bytes, little-endian, then its data.
#include <algorithm>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "platform/headless/registry.h"
#include "platform/registry.h"
#include "updater/install_record.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::uint32_t type = 0;
  for (std::size_t i = 0; i < 4 && i < size; ++i) type |= std::uint32_t{data[i]} << (8 * i);
  const std::string_view stored =
      size > 4 ? std::string_view(reinterpret_cast<const char*>(data) + 4, size - 4) : std::string_view();

  platform::headless::resetRegistry();
  const updater::InstallRecord record(37);
  {
    auto key = platform::MachineKey::open(record.keyPath());
    fuzz::require(key && key->setValue("VER", type, stored), "the store takes the value");
  }

  std::string text;
  std::string error;
  try {
    text = record.ReadInstallValue("VER");
  } catch (const std::runtime_error& e) {
    error = e.what();
  }
  const bool stringType = type == platform::kRegSz || type == platform::kRegExpandSz;
  if (stored.empty()) {
    fuzz::require(error.empty() && text.empty(), "an empty value reads as empty text, whatever its type");
  } else if (!stringType) {
    fuzz::require(error == "Invalid data type for 'VER'", "a value that is no string is refused");
  } else {
    fuzz::require(error.empty(), "a string value reads");
    fuzz::require(text.find('\0') == std::string::npos, "the text holds no NUL");
    fuzz::require(stored.substr(0, text.size()) == text, "the text is a prefix of the data");
    fuzz::require(text.size() == std::min(stored.find('\0'), stored.size()),
                  "the text stops at the first NUL only");
  }
  return 0;
}
