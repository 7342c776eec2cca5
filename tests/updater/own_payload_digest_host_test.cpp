// The check of the carried payload against the digest recorded beside it, through the seam of
// the program's own resources.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/ascii_case.h"
#include "platform/headless/resources.h"
#include "testing/named_cases.h"
#include "testing/scratch_folder.h"
#include "updater/payload_digest.h"

namespace updater {
namespace {

enum class Recorded { kNone, kTrue, kTrueInUpperCase, kTrueWithALineEnd, kTrueCutShort, kOfAnotherPayload };

struct Carried : test_support::NamedCase {
  bool payload;                     // the payload resource is there
  std::optional<std::size_t> flip;  // the byte flipped after the build, in eighths of the payload
  Recorded digest;
  bool intact;
};

class OwnPayloadCheck : public ::testing::TestWithParam<Carried> {
 protected:
  void TearDown() override {
    platform::unregisterOwnResource("EXE", "UPGRADE");
    platform::unregisterOwnResource("#10", "UPGRADE_XXH128");
  }
  std::vector<std::byte> payload = test_support::patternBytes(100'003, 21);
  std::string digest;
};

TEST_P(OwnPayloadCheck, TrustsOnlyAPayloadThatMatchesItsRecordedDigest) {
  const Carried& k = GetParam();
  digest = payloadDigest(payload);
  switch (k.digest) {
    case Recorded::kNone:
    case Recorded::kTrue:
      break;
    case Recorded::kTrueInUpperCase:
      for (char& c : digest) c = platform::asciiUpper(c);
      break;
    case Recorded::kTrueWithALineEnd:
      digest += '\n';
      break;
    case Recorded::kTrueCutShort:
      digest.pop_back();
      break;
    case Recorded::kOfAnotherPayload:
      digest = payloadDigest(test_support::patternBytes(100'003, 22));
      break;
  }
  if (k.digest != Recorded::kNone)
    platform::registerOwnResource("#10", "UPGRADE_XXH128", std::as_bytes(std::span(digest)));
  if (k.flip) payload[std::min(payload.size() * *k.flip / 8, payload.size() - 1)] ^= std::byte{0x10};
  if (k.payload) platform::registerOwnResource("EXE", "UPGRADE", payload);
  EXPECT_EQ(ownPayloadIntact("Exe", "UpGrade"), k.intact);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OwnPayloadCheck,
    ::testing::Values(Carried{"Intact", true, std::nullopt, Recorded::kTrue, true},
                      Carried{"DigestInUpperCase", true, std::nullopt, Recorded::kTrueInUpperCase, true},
                      Carried{"FirstByteFlipped", true, 0, Recorded::kTrue, false},
                      Carried{"MiddleByteFlipped", true, 4, Recorded::kTrue, false},
                      Carried{"LastByteFlipped", true, 8, Recorded::kTrue, false},
                      Carried{"NoDigest", true, std::nullopt, Recorded::kNone, false},
                      Carried{"DigestWithALineEnd", true, std::nullopt, Recorded::kTrueWithALineEnd, false},
                      Carried{"DigestCutShort", true, std::nullopt, Recorded::kTrueCutShort, false},
                      Carried{"DigestOfAnotherPayload", true, std::nullopt, Recorded::kOfAnotherPayload,
                              false},
                      Carried{"NoPayload", false, std::nullopt, Recorded::kTrue, false}),
    test_support::ByCaseName{});

}  // namespace
}  // namespace updater
