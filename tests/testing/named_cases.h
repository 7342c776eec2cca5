#pragma once
#include <gtest/gtest.h>

#include <concepts>
#include <ostream>
#include <string>
#include <string_view>

namespace test_support {

// A row of a parameterised test, known by its name: the rows of a table derive from it and
// give the name first.
struct NamedCase {
  std::string_view name;
};

// Found through the row's base: a failing row is reported by its name, not by its bytes.
template <std::derived_from<NamedCase> Case>
void PrintTo(const Case& row, std::ostream* out) {
  *out << row.name;
}

// The last argument of INSTANTIATE_TEST_SUITE_P: each test is named after its row.
struct ByCaseName {
  template <std::derived_from<NamedCase> Case>
  std::string operator()(const ::testing::TestParamInfo<Case>& info) const {
    return std::string(info.param.name);
  }
};

}  // namespace test_support
