#pragma once
#include <string>

namespace platform::headless {

// Whether a HeldFolder holds the folder `path` now, in this process: a rename or a deletion of
// the folder would be refused on the real system.
bool folderIsHeld(const std::string& path);

}  // namespace platform::headless
