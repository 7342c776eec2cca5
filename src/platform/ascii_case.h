// Inline helpers only: letter case as the system compares names.
#pragma once
#include <algorithm>
#include <string_view>

// Letter case of system-code-page text, the way the names of files, registry values and resources
// and the accelerator keys of captions compare here: A-Z and a-z fold onto each other, every other
// byte (digits, signs, the code page's upper half, double-byte characters) stands only for itself.
// This is what the C library's tolower and toupper do in the "C" locale, written out so that no
// locale can change it.
namespace platform {

constexpr char asciiLower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

constexpr char asciiUpper(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

constexpr bool caseBlindEqual(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](char x, char y) { return asciiLower(x) == asciiLower(y); });
}

constexpr bool caseBlindStartsWith(std::string_view text, std::string_view start) {
  return text.size() >= start.size() && caseBlindEqual(text.substr(0, start.size()), start);
}

constexpr bool caseBlindEndsWith(std::string_view text, std::string_view end) {
  return text.size() >= end.size() && caseBlindEqual(text.substr(text.size() - end.size()), end);
}

// Orders text as its lower-case form would order bytewise, so names that differ only in case are
// one key of a map.
struct CaseBlindLess {
  constexpr bool operator()(std::string_view a, std::string_view b) const {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
      return static_cast<unsigned char>(asciiLower(x)) < static_cast<unsigned char>(asciiLower(y));
    });
  }
};

}  // namespace platform
