// parseDecimal accepts exactly "d+" with an optional point and up to four fraction digits whose
// value fits in 64 bits, and then yields that value; the general form of the value is the text
// itself without leading zeros, trailing fraction zeros or a trailing point.
#include <algorithm>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "updater/version_text.h"

namespace {

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

// The value of a well-formed text, worked out on 128 bits; empty for anything else or for a
// value past the 64-bit limit.
std::optional<std::int64_t> expectedValue(std::string_view text) {
  constexpr __int128 kMax = std::numeric_limits<std::int64_t>::max();
  const std::size_t point = text.find('.');
  const std::string_view whole = text.substr(0, point);
  const std::string_view fraction = point == std::string_view::npos ? "" : text.substr(point + 1);
  if (whole.empty() || fraction.size() > 4) return std::nullopt;
  __int128 value = 0;
  for (const char c : whole) {
    if (!isDigit(c)) return std::nullopt;
    value = value * 10 + (c - '0');
    if (value > kMax) return std::nullopt;  // stops before 128 bits could overflow
  }
  value *= 10000;
  __int128 scale = 1000;
  for (const char c : fraction) {
    if (!isDigit(c)) return std::nullopt;
    value += (c - '0') * scale;
    scale /= 10;
  }
  if (value > kMax) return std::nullopt;
  return static_cast<std::int64_t>(value);
}

// The text as the general format writes its value.
std::string canonical(std::string_view text) {
  const std::size_t point = text.find('.');
  std::string whole(text.substr(0, point));
  whole.erase(0, std::min(whole.find_first_not_of('0'), whole.size() - 1));
  std::string fraction(point == std::string_view::npos ? "" : text.substr(point + 1));
  while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();
  return fraction.empty() ? whole : whole + "." + fraction;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::optional<updater::TenThousandths> parsed = updater::parseDecimal(text);
  const std::optional<std::int64_t> expected = expectedValue(text);
  fuzz::require(parsed == expected, "accepts exactly the well-formed texts that fit, with their value");
  if (parsed) {
    const std::string general = updater::formatGeneral(*parsed);
    fuzz::require(updater::parseDecimal(general) == parsed, "the general form parses back to the value");
    fuzz::require(general == canonical(text), "the general form is the text without redundant zeros");
  }
  return 0;
}
