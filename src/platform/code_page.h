#pragma once

namespace platform {

// Whether a byte opens a double-byte character in the system's ANSI code page, so that the byte
// after it belongs to the same character.
bool isLeadByte(char c);

}  // namespace platform
