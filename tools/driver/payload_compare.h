#pragma once
#include <optional>
#include <string>

namespace driver {

// Whether `file` holds exactly the payload that the updater `updaterExe` carries; empty when
// either cannot be read.
std::optional<bool> fileEqualsCarriedPayload(const std::string& updaterExe, const std::string& file);

}  // namespace driver
