// cutVersionText keeps the number a version text ends in: a tail of the text made of digits with
// at most one point, starting with a digit 1 to 9, that could only grow by zeros and points the
// rule strips. Where that number is at most four characters long and the older rule (the last
// four characters, stripped the same way) also gave a number, both agree.
#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "updater/version_text.h"

namespace {

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

bool isNumber(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return isDigit(c) || c == '.'; }) &&
         std::count(text.begin(), text.end(), '.') <= 1;
}

std::string fourCharacterRule(std::string_view text) {
  if (text.size() > 4) text.remove_prefix(text.size() - 4);
  while (!text.empty() && (text.front() < '1' || text.front() > '9')) text.remove_prefix(1);
  return std::string(text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::string cut = updater::cutVersionText(text);
  fuzz::require(cut.size() <= text.size() && text.substr(text.size() - cut.size()) == cut,
                "the cut is a tail of the text");
  fuzz::require(cut.empty() || (cut.front() >= '1' && cut.front() <= '9'), "the cut starts with 1 to 9");
  fuzz::require(isNumber(cut), "the cut is digits with at most one point");

  // Walk back over what the tail could still take in: only zeros and points may be there.
  std::size_t start = text.size() - cut.size();
  bool pointSeen = cut.find('.') != std::string::npos;
  while (start > 0 && (isDigit(text[start - 1]) || (text[start - 1] == '.' && !pointSeen))) {
    const char c = text[--start];
    fuzz::require(c == '0' || c == '.', "no digit 1 to 9 of the trailing number is left out");
    pointSeen = pointSeen || c == '.';
  }
  const std::string older = fourCharacterRule(text);
  if (text.size() - start <= 4 && isNumber(older)) {
    fuzz::require(cut == older, "a short trailing number is cut as the four-character rule cut it");
  }
  return 0;
}
