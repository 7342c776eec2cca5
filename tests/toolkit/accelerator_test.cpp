// The caption's accelerator character, as the speed button and any other control read it.
#include "toolkit/accelerator.h"

#include <gtest/gtest.h>

#include <string>

namespace toolkit {
namespace {

TEST(Accelerator, TheCharacterAfterASingleAmpersandTheLastOneCounting) {
  const struct {
    const char* caption;
    const char* accelerator;
  } cases[] = {
      {"&Close", "C"},  {"E&xit", "x"},          {"Close", ""},      {"", ""},
      {"Close&", ""},   {"&&Close", ""},         {"&&", ""},         {"a && b", ""},
      {"&&&Save", "S"}, {"&Open && &Save", "S"}, {"&One &Two", "T"}, {"&Save&", "S"},
      {"&1st", "1"},    {"R&&&D", "D"},          {"&&&&", ""},       {"\xC9&\xE9t\xE9", "\xE9"},
  };
  for (const auto& c : cases) EXPECT_EQ(acceleratorOf(c.caption), c.accelerator) << '"' << c.caption << '"';
}

TEST(Accelerator, TypedCharactersMatchWithoutTheCaseOfAsciiLettersOnly) {
  EXPECT_TRUE(isAccelerator('c', "&Close"));
  EXPECT_TRUE(isAccelerator('C', "&Close"));
  EXPECT_TRUE(isAccelerator('X', "E&xit"));
  EXPECT_FALSE(isAccelerator('l', "&Close"));
  EXPECT_FALSE(isAccelerator('&', "&&"));
  EXPECT_FALSE(isAccelerator('\0', "Close"));
  EXPECT_TRUE(isAccelerator('1', "&1st"));
  // Only ASCII letters have a case here: the code page's other letters match exactly.
  EXPECT_TRUE(isAccelerator('\xE9', "&\xE9t\xE9"));
  EXPECT_FALSE(isAccelerator('\xC9', "&\xE9t\xE9"));
  EXPECT_FALSE(isAccelerator('[', "&{"));
}

}  // namespace
}  // namespace toolkit
