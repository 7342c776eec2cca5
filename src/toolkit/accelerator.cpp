#include "toolkit/accelerator.h"

#include "platform/ascii_case.h"
#include "platform/code_page.h"

namespace toolkit {
namespace {

// The length of the character that starts at `at`: two bytes for a lead byte with a byte after it.
std::size_t characterLength(std::string_view text, std::size_t at) {
  return platform::isLeadByte(text[at]) && at + 1 < text.size() ? 2 : 1;
}

}  // namespace

std::string acceleratorOf(std::string_view caption) {
  std::string found;
  std::size_t at = 0;
  while (at < caption.size()) {
    if (caption[at] != '&' || at + 1 == caption.size()) {
      at += characterLength(caption, at);
      continue;
    }
    ++at;  // the character after the ampersand
    const std::size_t length = characterLength(caption, at);
    if (caption[at] != '&') found = caption.substr(at, length);
    at += length;
  }
  return found;
}

std::string withoutAcceleratorPrefix(std::string_view caption) {
  std::string text;
  std::size_t at = 0;
  while (at < caption.size()) {
    if (caption[at] == '&' && at + 1 < caption.size()) ++at;  // the prefix goes, what follows stays
    const std::size_t length = characterLength(caption, at);
    text += caption.substr(at, length);
    at += length;
  }
  return text;
}

bool isAccelerator(char typed, std::string_view caption) {
  return platform::caseBlindEqual(acceleratorOf(caption), std::string_view(&typed, 1));
}

}  // namespace toolkit
