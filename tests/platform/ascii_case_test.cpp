// How names of files, registry values and resources, and accelerator keys, compare without case.
#include "platform/ascii_case.h"

#include <gtest/gtest.h>

#include <string_view>

namespace platform {
namespace {

TEST(AsciiCase, OnlyAsciiLettersFoldOntoTheirOtherCase) {
  const struct {
    std::string_view a;
    std::string_view b;
    bool equal;
  } cases[] = {
      {"CALE", "cale", true},
      {"Ralvt.EXE", "rALVT.exe", true},
      {"", "", true},
      {"VER", "VERS", false},
      {"VERS", "VER", false},
      // Bytes that differ from a letter's other case only in the same bit are not letters.
      {"[", "{", false},
      {"@", "`", false},
      {"^", "~", false},
      // The code page's upper half has no case here.
      {"\xC9t\xE9", "\xE9t\xE9", false},
      {"\xE9t\xE9", "\xE9T\xE9", true},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(caseBlindEqual(c.a, c.b), c.equal) << c.a << " ~ " << c.b;
    // A map keyed by CaseBlindLess holds one entry for two names exactly when they are equal.
    const CaseBlindLess less;
    EXPECT_EQ(!less(c.a, c.b) && !less(c.b, c.a), c.equal) << c.a << " ~ " << c.b;
  }
  EXPECT_EQ(asciiUpper('a'), 'A');
  EXPECT_EQ(asciiUpper('{'), '{');
  EXPECT_EQ(asciiUpper('\xE9'), '\xE9');
  EXPECT_EQ(asciiLower('Z'), 'z');
  EXPECT_EQ(asciiLower('['), '[');
  EXPECT_EQ(asciiLower('\xC9'), '\xC9');
}

TEST(AsciiCase, NamesOrderAsTheirLowerCaseFormsDoBytewise) {
  const CaseBlindLess less;
  EXPECT_TRUE(less("_", "A"));  // '_' sorts before 'a', although after 'A'
  EXPECT_TRUE(less("abc", "ABD"));
  EXPECT_TRUE(less("AB", "abc"));
  EXPECT_TRUE(less("z", "\xE9"));  // the upper half sorts after ASCII
  EXPECT_FALSE(less("\xE9", "z"));
}

TEST(AsciiCase, StartsAndEndsMatchPiecesOfTheirOwnLengthOnly) {
  const struct {
    std::string_view text;
    std::string_view piece;
    bool starts;
    bool ends;
  } cases[] = {
      {"RF1A2.TMP", "rf", true, false}, {"RF1A2.TMP", ".tmp", false, true},
      {"rf", "RF", true, true},         {"x", "", true, true},
      {"r", "rf", false, false},        {"tmp", ".tmp", false, false},
      {"xrf.tmp", "rf", false, false},  {"a.tmpx", ".tmp", false, false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(caseBlindStartsWith(c.text, c.piece), c.starts) << c.text << " / " << c.piece;
    EXPECT_EQ(caseBlindEndsWith(c.text, c.piece), c.ends) << c.text << " / " << c.piece;
  }
}

}  // namespace
}  // namespace platform
