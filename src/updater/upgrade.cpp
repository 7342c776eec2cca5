#include "updater/upgrade.h"

#include "updater/payload_digest.h"
#include "updater/payload_writer.h"

namespace updater {
namespace {

// The carried build's resource, as the build names it; looked up without regard to case.
constexpr std::string_view kPayloadType = "Exe";
constexpr std::string_view kPayloadName = "UpGrade";

}  // namespace

UpgradeOutcome upgradeTarget(const std::string& installPath, std::string_view targetExeName) {
  if (!ownPayloadIntact(kPayloadType, kPayloadName)) return UpgradeOutcome::kPayloadDamaged;
  const std::string target = installPath + "\\" + std::string(targetExeName);
  return ExtractPayload(kPayloadType, kPayloadName, target) ? UpgradeOutcome::kInstalled
                                                            : UpgradeOutcome::kNotWritten;
}

}  // namespace updater
