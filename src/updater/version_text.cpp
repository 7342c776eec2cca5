#include "updater/version_text.h"

namespace updater {

std::string formatGeneral(TenThousandths value) {
  // Work in unsigned so that the most negative value formats too.
  const bool negative = value < 0;
  const std::uint64_t magnitude =
      negative ? ~static_cast<std::uint64_t>(value) + 1 : static_cast<std::uint64_t>(value);
  char buffer[32];
  char* end = buffer + sizeof buffer;
  char* p = end;
  std::uint64_t fraction = magnitude % 10000;
  if (fraction != 0) {
    int digits = 4;
    while (fraction % 10 == 0) {
      fraction /= 10;
      --digits;
    }
    for (; digits > 0; --digits, fraction /= 10) *--p = static_cast<char>('0' + fraction % 10);
    *--p = '.';
  }
  std::uint64_t whole = magnitude / 10000;
  do {
    *--p = static_cast<char>('0' + whole % 10);
    whole /= 10;
  } while (whole != 0);
  if (negative) *--p = '-';
  return std::string(p, end);
}

std::string cutVersionText(std::string_view versionText) {
  std::size_t start = versionText.size();
  bool pointSeen = false;
  for (; start > 0; --start) {
    const char c = versionText[start - 1];
    if (c == '.') {
      if (pointSeen) break;
      pointSeen = true;
    } else if (c < '0' || c > '9') {
      break;
    }
  }
  versionText.remove_prefix(start);
  while (!versionText.empty() && (versionText.front() < '1' || versionText.front() > '9')) {
    versionText.remove_prefix(1);
  }
  return std::string(versionText);
}

}  // namespace updater
