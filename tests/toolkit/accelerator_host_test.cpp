// Double-byte characters in captions: a Japanese code page on the headless backend.
#include <gtest/gtest.h>

#include "toolkit/accelerator.h"
#include "toolkit/headless/in_process_driver.h"

namespace toolkit {
namespace {

class DoubleByteAccelerator : public ::testing::Test {
 protected:
  void SetUp() override { platform::headless::setAnsiCodePage(932); }
  void TearDown() override { headless::resetUi(); }
};

TEST_F(DoubleByteAccelerator, ACharacterOfTwoBytesIsSkippedOrTakenWhole) {
  const struct {
    const char* caption;
    const char* accelerator;
  } cases[] = {
      // 0x83 0x41 is one character whose second byte is the code of "A".
      {"\x83\x41&B", "B"},
      {"&\x83\x41", "\x83\x41"},
      {"&A\x83\x41", "A"},
      // An ampersand right after a lead byte is that character's second byte, not a prefix.
      {"\x83&B", ""},
      {"&A\x83&B", "A"},
      // A lead byte at the very end has nothing to pair with and stands alone.
      {"&\x83", "\x83"},
  };
  for (const auto& c : cases) EXPECT_EQ(acceleratorOf(c.caption), c.accelerator) << '"' << c.caption << '"';
  // One typed byte is never a whole double-byte character.
  EXPECT_FALSE(isAccelerator('\x83', "&\x83\x41"));
  EXPECT_FALSE(isAccelerator('A', "&\x83\x41"));
}

TEST_F(DoubleByteAccelerator, TheSameBytesAreSingleCharactersInAWesternCodePage) {
  platform::headless::setAnsiCodePage(1252);
  EXPECT_EQ(acceleratorOf("\x83&B"), "B");
  EXPECT_EQ(acceleratorOf("&\x83\x41"), "\x83");
  EXPECT_THROW(platform::headless::setAnsiCodePage(936), std::invalid_argument);
}

}  // namespace
}  // namespace toolkit
