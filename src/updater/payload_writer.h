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
};

std::string_view describe(InstallOutcome outcome);

// Puts `payload` in place of the file `filePath` so that after any fault the file is either
// the whole old one or the whole new one. The new bytes go to a temporary file beside the target
// (named after it, so that one left by an interrupted run is recognised and removed by the next),
// are read back and flushed, and then replace the target in one step. A target that someone
// holds open is left alone before anything is written.
// The folder is resolved once (a link to a folder leads to the real one) and held, so that
// nobody can rename it, delete it or put a link in its place while the installation works in it.
// Temporary files are always new, and only plain files of the folder are ever deleted, each
// through a handle on itself.
// The old file is only put aside under a temporary name: freeing its blocks costs the file
// system about as long as the replace itself, and nobody needs to wait for that.
// removeReplacedTargets() deletes it later; until then the folder stays held.
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
