#include "updater/version_text.h"

#include <gtest/gtest.h>

namespace updater {
namespace {

struct CutCase {
  std::string_view stored;
  std::string_view cut;
};

class CutVersionText : public ::testing::TestWithParam<CutCase> {};

TEST_P(CutVersionText, KeepsTrailingNumberFromFirstNonZeroDigit) {
  EXPECT_EQ(cutVersionText(GetParam().stored), GetParam().cut);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, CutVersionText,
    ::testing::Values(CutCase{"", ""}, CutCase{"Ralvento v.2.63", "2.63"}, CutCase{"Ralvento v.2.50", "2.50"},
                      CutCase{"Ralvento v.1.95", "1.95"}, CutCase{"Ralvento v.3.10", "3.10"},
                      CutCase{"Ralvento v.2.6", "2.6"}, CutCase{"Ralvento v.3", "3"}, CutCase{"0.95", "95"},
                      CutCase{"0", ""}, CutCase{"abcdef", ""}, CutCase{"v. 0.0", ""}, CutCase{"2.63", "2.63"},
                      CutCase{"x9", "9"}, CutCase{"Ralvento v.10.25", "10.25"},
                      CutCase{"Ralvento v.2.6312", "2.6312"}, CutCase{"Ralvento v.2.6299", "2.6299"},
                      CutCase{"Ralvento v.12.5", "12.5"}, CutCase{"12.63", "12.63"},
                      CutCase{"Ralvento v.0010.5", "10.5"}, CutCase{"1.2.63", "2.63"}, CutCase{"v.2.", "2."},
                      CutCase{"Ralvento v.2.6b", ""}, CutCase{"2.63 ", ""}));

struct ParseCase {
  std::string_view text;
  std::optional<TenThousandths> value;
};

class ParseDecimal : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseDecimal, ReadsExactDecimalsOnly) {
  EXPECT_EQ(parseDecimal(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, ParseDecimal,
    ::testing::Values(
        ParseCase{"2.63", 26300}, ParseCase{"2.50", 25000}, ParseCase{"2.6", 26000}, ParseCase{"3", 30000},
        ParseCase{"3.", 30000}, ParseCase{"95", 950000}, ParseCase{"2.6312", 26312}, ParseCase{"0.0001", 1},
        ParseCase{"", std::nullopt}, ParseCase{".5", std::nullopt}, ParseCase{"2.63a", std::nullopt},
        ParseCase{"2,63", std::nullopt}, ParseCase{" 2.63", std::nullopt}, ParseCase{"-2.63", std::nullopt},
        ParseCase{"2.63123", std::nullopt}, ParseCase{"1.2.3", std::nullopt},
        ParseCase{"99999999999999999999", std::nullopt},
        // The edge of what fits in 64 bits, and just past it.
        ParseCase{"922337203685477.5807", INT64_MAX}, ParseCase{"922337203685477", INT64_MAX - 5807},
        ParseCase{"000000000000000000000001", 10000}, ParseCase{"922337203685477.5808", std::nullopt},
        ParseCase{"922337203685477.6", std::nullopt}, ParseCase{"922337203685478", std::nullopt},
        ParseCase{"922337203685479", std::nullopt}, ParseCase{"9223372036854775807", std::nullopt}));

TEST(ParseDecimal, WorksAtCompileTime) {
  static_assert(parseDecimal("2.63") == 26300);
  // A constant evaluation that overflowed would not compile.
  static_assert(!parseDecimal("922337203685478") && !parseDecimal("922337203685477.5808"));
}

struct FormatCase {
  TenThousandths value;
  std::string_view text;
};

class FormatGeneral : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatGeneral, ShortestFormWithPoint) {
  EXPECT_EQ(formatGeneral(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Examples, FormatGeneral,
                         ::testing::Values(FormatCase{26300, "2.63"}, FormatCase{26000, "2.6"},
                                           FormatCase{30000, "3"}, FormatCase{26312, "2.6312"},
                                           FormatCase{1, "0.0001"}, FormatCase{0, "0"},
                                           FormatCase{-26300, "-2.63"},
                                           FormatCase{INT64_MIN, "-922337203685477.5808"},
                                           FormatCase{INT64_MAX, "922337203685477.5807"}));

}  // namespace
}  // namespace updater
