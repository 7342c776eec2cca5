#pragma once
#include <functional>
#include <string>

#include "platform/files.h"

namespace platform::headless {

// Whether a HeldFolder holds the folder `path` now, in this process: a rename or a deletion of
// the folder would be refused on the real system.
bool folderIsHeld(const std::string& path);

// Runs before each rename that a HeldFolder makes, with the file's name and the name it is to
// take: it may change the folder as another process could meanwhile (plant a name, put a link in
// the folder's place), and any result but kNone fails the rename with that error, as the system
// might. An empty function ends it.
using RenameStep = std::function<FileError(const std::string& from, const std::string& to)>;
void beforeEachRename(RenameStep step);

}  // namespace platform::headless
