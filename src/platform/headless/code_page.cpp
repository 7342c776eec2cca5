#include "platform/code_page.h"
#include "platform/headless/code_page.h"

#include <stdexcept>
#include <string>

namespace platform {
namespace {

// Western European (1252) has no double-byte characters; Japanese Shift-JIS (932) opens them
// with 0x81-0x9F and 0xE0-0xFC.
int& codePage() {
  static int page = 1252;
  return page;
}

}  // namespace

bool isLeadByte(char c) {
  const auto b = static_cast<unsigned char>(c);
  return codePage() == 932 && ((b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC));
}

namespace headless {

void setAnsiCodePage(int page) {
  if (page != 1252 && page != 932)
    throw std::invalid_argument("The headless toolkit knows code pages 1252 and 932, not " +
                                std::to_string(page));
  codePage() = page;
}

}  // namespace headless
}  // namespace platform
