#pragma once
#include <string>
#include <string_view>

namespace updater {

// How an upgrade ended, in the terms the window tells the user.
enum class UpgradeOutcome {
  kInstalled,       // the carried build is in place; its version is not recorded yet
  kPayloadDamaged,  // the carried bytes do not match their recorded digest: nothing was touched
  kNotWritten,      // the target could not be written (in use, read-only, no folder): nothing changed
};

// Puts the build this program carries in place of `targetExeName` in `installPath`: first the
// carried bytes are checked against the digest the build recorded, so that nothing damaged
// reaches the install folder, then they are installed (installPayload). Recording the new version
// is the caller's next step, once it has shown the user the install took place.
UpgradeOutcome upgradeTarget(const std::string& installPath, std::string_view targetExeName);

}  // namespace updater
