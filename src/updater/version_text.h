#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace updater {

// A version as a count of ten-thousandths: 26300 is 2.63.
using TenThousandths = std::int64_t;

// "d+" optionally followed by "." and up to four fraction digits, read exactly. Anything else,
// the empty text included, has no value.
constexpr std::optional<TenThousandths> parseDecimal(std::string_view text) {
  constexpr TenThousandths kLimit = INT64_MAX / 100000;
  TenThousandths whole = 0;
  std::size_t i = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    if (whole > kLimit) return std::nullopt;
    whole = whole * 10 + (text[i] - '0');
  }
  if (i == 0) return std::nullopt;
  TenThousandths fraction = 0;
  TenThousandths scale = 1000;
  if (i < text.size()) {
    if (text[i] != '.') return std::nullopt;
    for (++i; i < text.size(); ++i) {
      if (text[i] < '0' || text[i] > '9' || scale == 0) return std::nullopt;
      fraction += (text[i] - '0') * scale;
      scale /= 10;
    }
  }
  return whole * 10000 + fraction;
}

// The general number format: the shortest decimal form with up to four fraction digits,
// trailing zeros and point dropped, "." as separator whatever the locale. 26300 -> "2.63".
std::string formatGeneral(TenThousandths value);

// What remains of an installed version text for the check: its last four characters, with
// everything before the first digit 1 to 9 removed. Empty means not installed.
std::string cutVersionText(std::string_view versionText);

}  // namespace updater
