// Value types only: what the build tells the program about the build it carries.
#pragma once
#include <cstdint>
#include <string_view>

#include "updater/version_text.h"

#ifndef UPDATER_BUILD_VERSION_TEXT
#error "UPDATER_BUILD_VERSION_TEXT must name the carried build's version, e.g. \"2.63\""
#endif

namespace app {

inline constexpr std::string_view kTargetTitle = "Ralvento";
inline constexpr std::string_view kTargetExeName = "Ralvt.exe";
inline constexpr std::string_view kApplicationTitle = "UpTK294Q";
inline constexpr std::uint8_t kRecordKeyNumber = 37;

// Set when the updater is configured; parsed here so that a malformed value stops the build.
inline constexpr updater::TenThousandths kBuildVersion = [] {
  constexpr auto parsed = updater::parseDecimal(UPDATER_BUILD_VERSION_TEXT);
  static_assert(parsed.has_value(),
                "the build version must be a decimal number with up to 4 fraction digits");
  return *parsed;
}();

}  // namespace app
