// Times, in one run and on the same folder, the safe installation of the carried payload against
// CopyFileA + FlushFileBuffers of the same bytes and against truncating the target and writing
// it in one request; breaks the installation down by step and watches its private memory. The
// installation's time is what the user waits for, click to confirmation: the check of the
// payload against its digest, then ExtractPayload. The deletion of the old file that comes after
// the confirmation is timed on its own.
//   install_bench [folder]   (default: a folder in the temporary directory)
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "memory_sampler.h"
#include "platform/files.h"
#include "platform/resources.h"
#include "updater/payload_digest.h"
#include "updater/payload_writer.h"
#include "updater/upgrade.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kRounds = 15;

struct HandleCloser {
  void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using UniqueHandle = std::unique_ptr<std::remove_pointer_t<HANDLE>, HandleCloser>;

double millisecondsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

bool fail(const char* what) {
  std::fprintf(stderr, "install_bench: %s failed (error %lu)\n", what, GetLastError());
  return false;
}

// The plain way: truncate in place, one write request; flushing only when asked.
bool writeInPlace(const std::string& path, std::span<const std::byte> bytes, bool flush) {
  const HANDLE raw = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
  if (raw == INVALID_HANDLE_VALUE) return fail("CreateFileA");
  const UniqueHandle file(raw);
  DWORD written = 0;
  if (!WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) ||
      written != bytes.size()) {
    return fail("WriteFile");
  }
  if (flush && !FlushFileBuffers(file.get())) return fail("FlushFileBuffers");
  return true;
}

bool copyAndFlush(const std::string& source, const std::string& destination) {
  if (!CopyFileA(source.c_str(), destination.c_str(), FALSE)) return fail("CopyFileA");
  const HANDLE raw = CreateFileA(destination.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
  if (raw == INVALID_HANDLE_VALUE) return fail("CreateFileA");
  const UniqueHandle file(raw);
  return FlushFileBuffers(file.get()) ? true : fail("FlushFileBuffers");
}

// The installation's steps one by one, as the payload writer takes them, each timed.
struct Steps {
  double digest = 0, check = 0, writeAndReadBack = 0, flush = 0, replace = 0, removeOldLater = 0;
};

// What the upgrade click does: the digest check first, then the installation. `folder` ends in its
// separator, which the install path the record holds need not have.
bool checkAndInstall(const std::string& folder) {
  const std::string installPath = folder.substr(0, folder.size() - 1);
  return updater::upgradeTarget(installPath, "Ralvt.exe") == updater::UpgradeOutcome::kInstalled
             ? true
             : fail("the upgrade");
}

bool installStepByStep(const std::string& folderPath, std::span<const std::byte> payload, Steps& steps) {
  using platform::ExclusiveFile;
  using platform::FileError;
  auto start = Clock::now();
  if (!updater::ownPayloadIntact("Exe", "UpGrade")) return fail("the digest check");
  steps.digest = millisecondsSince(start);

  start = Clock::now();
  const platform::HeldFolder::Opened held = platform::HeldFolder::open(folderPath);
  if (!held.folder) return fail("holding the folder");
  const platform::HeldFolder& folder = *held.folder;
  ExclusiveFile::Opened current = folder.openExisting("Ralvt.exe");
  if (!current.file || !folder.holds(*current.file, "Ralvt.exe")) return fail("opening the target");
  folder.fileNames();
  steps.check = millisecondsSince(start);

  start = Clock::now();
  ExclusiveFile::Created temp = folder.createUnique("Ralvt.exe.upd-", ".tmp");
  if (!temp.file) return fail("creating the temporary file");
  constexpr std::size_t kPiece = std::size_t{1} << 20;
  std::vector<std::byte> window(kPiece);
  for (std::size_t offset = 0; offset < payload.size(); offset += kPiece) {
    const auto piece = payload.subspan(offset, std::min(kPiece, payload.size() - offset));
    if (temp.file->writeAll(piece) != FileError::kNone) return fail("temporary write");
    if (temp.file->readAt(offset, std::span(window).first(piece.size())) != piece.size() ||
        std::memcmp(window.data(), piece.data(), piece.size()) != 0) {
      return fail("verification");
    }
  }
  steps.writeAndReadBack = millisecondsSince(start);

  start = Clock::now();
  if (temp.file->flush() != FileError::kNone) return fail("flush");
  steps.flush = millisecondsSince(start);

  start = Clock::now();
  if (temp.file->takePropertiesOf(*current.file) != FileError::kNone) return fail("keeping the access list");
  if (folder.renameUnique(*current.file, "Ralvt.exe.upd-", ".old.tmp").empty()) return fail("putting aside");
  if (folder.rename(*temp.file, "Ralvt.exe") != FileError::kNone) return fail("renaming into place");
  steps.replace = millisecondsSince(start);

  start = Clock::now();
  current.file->remove();
  steps.removeOldLater = millisecondsSince(start);
  return true;
}

void printRow(const char* name, const std::vector<double>& times, double reference) {
  std::printf("  %-38s median %8.1f ms   min %8.1f ms   %5.2fx copy\n", name, median(times),
              *std::min_element(times.begin(), times.end()), median(times) / reference);
}

}  // namespace

int main(int argc, char** argv) {
  std::setvbuf(stdout, nullptr, _IONBF, 0);
  const auto found = platform::findOwnResource("EXE", "UPGRADE");
  if (!found) {
    fail("finding the payload resource");
    return 1;
  }
  const std::span<const std::byte> payload = *found;

  std::string folder;
  if (argc > 1) {
    folder = argv[1];
  } else {
    char temp[MAX_PATH];
    folder = std::string(temp, GetTempPathA(MAX_PATH, temp)) + "install-bench-" +
             std::to_string(GetCurrentProcessId());
  }
  if (folder.back() != '\\') folder += '\\';
  CreateDirectoryA(folder.c_str(), nullptr);
  const std::string source = folder + "source.bin";
  const std::string copy = folder + "copy.bin";
  const std::string target = folder + "Ralvt.exe";
  // The old target: smaller than the payload and different from it, and, like an installed
  // program, already on the device rather than waiting in the cache.
  const std::span<const std::byte> old = payload.last(payload.size() * 3 / 4);

  std::printf("payload: %zu bytes, folder: %s\n", payload.size(), folder.c_str());
  // Memory first, in a process that has not yet touched the payload: the bytes are read straight
  // from the loaded image. Touching them before the baseline keeps the image's own pages, which
  // are the program's and not the installation's, out of the figure; how much they count as
  // private is shown separately.
  const std::uint64_t beforeTouch = bench::privateBytes();
  std::uint64_t sum = 0;
  for (std::size_t i = 0; i < payload.size(); i += 4096) sum += static_cast<std::uint8_t>(payload[i]);
  const std::uint64_t afterTouch = bench::privateBytes();
  if (!writeInPlace(source, payload, true)) return 1;
  if (!writeInPlace(target, old, true)) return 1;
  const std::uint64_t baseline = bench::privateBytes();
  std::uint64_t peak = 0;
  {
    bench::MemorySampler sampler;
    if (!checkAndInstall(folder)) return 1;
    updater::removeReplacedTargets();
    peak = sampler.finish();
  }

  std::vector<double> install, removedLater, copied, copiedFresh, inPlace, inPlaceFlushed;
  std::vector<Steps> steps(kRounds);
  for (int round = 0; round < kRounds; ++round) {
    // Alternating the order keeps the cache's state from favouring one contender.
    const std::vector<std::function<bool()>> contenders = {
        [&] {
          if (!writeInPlace(target, old, true)) return false;
          auto start = Clock::now();
          if (!checkAndInstall(folder)) return false;
          install.push_back(millisecondsSince(start));
          start = Clock::now();
          updater::removeReplacedTargets();
          removedLater.push_back(millisecondsSince(start));
          return true;
        },
        [&] {
          // Over the same old file as the others, so that every contender gets rid of it.
          if (!writeInPlace(target, old, true)) return false;
          const auto start = Clock::now();
          if (!copyAndFlush(source, target)) return false;
          copied.push_back(millisecondsSince(start));
          return true;
        },
        [&] {
          DeleteFileA(copy.c_str());
          const auto start = Clock::now();
          if (!copyAndFlush(source, copy)) return false;
          copiedFresh.push_back(millisecondsSince(start));
          return true;
        },
        [&] {
          if (!writeInPlace(target, old, true)) return false;
          const auto start = Clock::now();
          if (!writeInPlace(target, payload, false)) return false;
          inPlace.push_back(millisecondsSince(start));
          return true;
        },
        [&] {
          if (!writeInPlace(target, old, true)) return false;
          const auto start = Clock::now();
          if (!writeInPlace(target, payload, true)) return false;
          inPlaceFlushed.push_back(millisecondsSince(start));
          return true;
        },
        [&] {
          if (!writeInPlace(target, old, true)) return false;
          return installStepByStep(folder, payload, steps[static_cast<std::size_t>(round)]);
        },
    };
    for (std::size_t i = 0; i < contenders.size(); ++i) {
      const std::size_t pick = round % 2 == 0 ? i : contenders.size() - 1 - i;
      if (!contenders[pick]()) return 1;
    }
  }

  const double reference = median(copied);
  std::printf("\ntimes over %d rounds:\n", kRounds);
  printRow("safe install (digest + ExtractPayload)", install, reference);
  printRow("  then, after the dialog, old file gone", removedLater, reference);
  printRow("CopyFileA + FlushFileBuffers over old", copied, reference);
  printRow("CopyFileA + FlushFileBuffers, new name", copiedFresh, reference);
  printRow("truncate in place, one write", inPlace, reference);
  printRow("truncate in place, one write, flush", inPlaceFlushed, reference);
  const auto fastest = [](const std::vector<double>& times) {
    return *std::min_element(times.begin(), times.end());
  };
  std::printf(
      "  install / copy over the old file: %.2f (target <= 1.00), fastest against fastest %.2f; install / "
      "copy to "
      "a new name: %.2f\n",
      median(install) / reference, fastest(install) / fastest(copied), median(install) / median(copiedFresh));

  const auto stepMedian = [&](double Steps::*field) {
    std::vector<double> values;
    for (const Steps& s : steps) values.push_back(s.*field);
    return median(values);
  };
  std::printf("\nwhere the install's time goes (median ms):\n");
  std::printf("  check the payload's digest         %8.1f\n", stepMedian(&Steps::digest));
  std::printf("  hold folder, check target, list it %8.1f\n", stepMedian(&Steps::check));
  std::printf("  write + read back, piece by piece  %8.1f\n", stepMedian(&Steps::writeAndReadBack));
  std::printf("  flush                              %8.1f\n", stepMedian(&Steps::flush));
  std::printf("  replace                            %8.1f\n", stepMedian(&Steps::replace));
  std::printf("  after the dialog: remove old file  %8.1f\n", stepMedian(&Steps::removeOldLater));

  constexpr double kMiB = 1024.0 * 1024.0;
  std::printf("\nprivate memory:\n");
  std::printf("  at start %.2f MiB; reading every page of the payload added %+.2f MiB (checksum %llu)\n",
              static_cast<double>(beforeTouch) / kMiB,
              (static_cast<double>(afterTouch) - static_cast<double>(beforeTouch)) / kMiB,
              static_cast<unsigned long long>(sum));
  std::printf("  before the install %.2f MiB, peak during it %.2f MiB, rise %.2f MiB (target < 8)\n",
              static_cast<double>(baseline) / kMiB, static_cast<double>(peak) / kMiB,
              (static_cast<double>(peak) - static_cast<double>(baseline)) / kMiB);

  for (const std::string& path : {source, copy, target}) DeleteFileA(path.c_str());
  RemoveDirectoryA(folder.c_str());
  return 0;
}
