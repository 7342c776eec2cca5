#pragma once
#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace updater {

// How an installation ended; only kInstalled changed anything.
enum class InstallOutcome {
  kInstalled,
  kNoFileName,        // the path names a folder, not a file
  kTargetInUse,       // a running program or another holder keeps the target open
  kTargetDenied,      // the target is read-only, or not ours to write
  kCannotCreateTemp,  // the folder is missing or not writable
  kWriteFailed,       // writing or flushing the new file failed, e.g. the volume is full
  kVerifyFailed,      // the new file does not read back as the payload
  kReplaceFailed,     // the new file could not take the target's place
  kFolderNotPlain,    // the install folder turned into a link while it was worked in
};

std::string_view describe(InstallOutcome outcome);

// Puts `payload` in place of the file `filePath` so that after any fault the file is either
// the whole old one or the whole new one. The new bytes go to a temporary file beside the target
// (named after it, so that one left by an interrupted run is recognised and removed by the next),
// are read back and flushed; then the old file is renamed aside and the new one takes its name.
// A target that someone holds open is left alone before anything is written.
// The folder's path (absolute, or it is not found) is looked up once (a link to a folder leads to
// the real one) and from then on every file is reached relative to the held folder or through a
// handle on itself: the installation never leaves that folder, whatever its names turn out to be,
// and nobody can rename the folder or delete it meanwhile. Temporary files are always new, and
// only plain files of the folder are ever deleted, each through a handle on itself.
// The old file is only put aside under a temporary name: freeing its blocks costs the file
// system about as long as the replace itself, and nobody needs to wait for that.
// removeReplacedTargets() deletes it later; until then the folder and the old file stay held.
InstallOutcome installPayload(std::span<const std::byte> payload, const std::string& filePath);

// Installs this program's own resource `resourceType`/`resourceName` (matched without case) as
// the file `filePath`, as installPayload does. True when the file now holds exactly the
// resource's bytes.
bool ExtractPayload(std::string_view resourceType, std::string_view resourceName,
                    const std::string& filePath);

// Deletes the old files that installations in this process have put aside, and releases their
// folders. Call it once nobody waits for the program any more: after the confirmation, and at
// exit. An old file that a program started from it kept in use at the replace was never held;
// the next installation into its folder removes it with every other leftover of earlier runs.
void removeReplacedTargets();

// The name part of the temporary files an installation of `fileName` uses, so that tests and
// tools can recognise them: fileName + kTempInfix + <unique> + kTempSuffix.
inline constexpr std::string_view kTempInfix = ".upd-";
inline constexpr std::string_view kTempSuffix = ".tmp";

}  // namespace updater
