// formatGeneral writes any 64-bit count of ten-thousandths as printf would with four fraction
// digits, less trailing zeros and a bare point; what it writes for a value that is not negative
// parses back to that value, and the magnitude of a negative one parses back unless it does not
// fit (the most negative value).
#include <algorithm>
#include <cinttypes>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <string>

#include "fuzz_check.h"
#include "updater/version_text.h"

namespace {

std::string printfForm(std::int64_t value) {
  const std::uint64_t magnitude =
      value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
  char buffer[48];
  std::snprintf(buffer, sizeof buffer, "%s%" PRIu64 ".%04" PRIu64, value < 0 ? "-" : "", magnitude / 10000,
                magnitude % 10000);
  std::string text(buffer);
  while (text.back() == '0') text.pop_back();
  if (text.back() == '.') text.pop_back();
  return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::int64_t value = 0;
  std::memcpy(&value, data, std::min(size, sizeof value));
  const std::string text = updater::formatGeneral(value);
  fuzz::require(text == printfForm(value), "the shortest form with up to four fraction digits");
  if (value >= 0) {
    fuzz::require(updater::parseDecimal(text) == value, "a value that is not negative parses back");
  } else if (value == std::numeric_limits<std::int64_t>::min()) {
    fuzz::require(!updater::parseDecimal(text.substr(1)), "a magnitude past the 64-bit limit is rejected");
  } else {
    fuzz::require(updater::parseDecimal(text.substr(1)) == -value,
                  "the magnitude of a negative value parses back");
  }
  return 0;
}
