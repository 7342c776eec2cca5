#include "platform/code_page.h"

#include <windows.h>

namespace platform {

bool isLeadByte(char c) {
  return IsDBCSLeadByte(static_cast<BYTE>(c)) != FALSE;
}

}  // namespace platform
