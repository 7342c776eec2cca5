#pragma once
#include <windows.h>

namespace driver {

// A key typed on the system's own keyboard, with Alt held or not: it reaches the focused window
// of the foreground program, which sees the key and character messages a person's typing gives.
void typeKey(WORD virtualKey, bool withAlt);

}  // namespace driver
