#pragma once

namespace platform::headless {

// The ANSI code page that double-byte characters follow: 1252 (none, the default) or 932.
void setAnsiCodePage(int page);

}  // namespace platform::headless
