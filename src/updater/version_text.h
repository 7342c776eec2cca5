#pragma once
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

namespace updater {

// A version as a count of ten-thousandths: 26300 is 2.63.
using TenThousandths = std::int64_t;

// "d+" optionally followed by "." and up to four fraction digits, read exactly. Anything else,
// the empty text included, has no value, and so has a number too large for TenThousandths: the
// largest accepted is 922337203685477.5807.
constexpr std::optional<TenThousandths> parseDecimal(std::string_view text) {
  constexpr TenThousandths kMax = std::numeric_limits<TenThousandths>::max();
  constexpr TenThousandths kMaxWhole = kMax / 10000;
  TenThousandths whole = 0;
  std::size_t i = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    const int digit = text[i] - '0';
    if (whole > (kMaxWhole - digit) / 10) return std::nullopt;
    whole = whole * 10 + digit;
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
  // whole * 10000 cannot overflow here; the fraction can still push the sum past the limit.
  if (whole * 10000 > kMax - fraction) return std::nullopt;
  return whole * 10000 + fraction;
}

// The general number format: the shortest decimal form with up to four fraction digits,
// trailing zeros and point dropped, "." as separator whatever the locale. 26300 -> "2.63".
std::string formatGeneral(TenThousandths value);

// What remains of an installed version text for the check: the number it ends in (its longest
// tail of digits holding at most one point), with everything before the first digit 1 to 9
// removed. "Ralvento v.10.25" gives "10.25", "0.95" gives "95". Empty means not installed.
std::string cutVersionText(std::string_view versionText);

}  // namespace updater
