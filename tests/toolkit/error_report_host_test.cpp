// The top-level error report: the text rule, as a window's handler that throws shows it, and a
// report that still comes when no memory is left. Host only: under Windows the report is a real
// modal box.
#include <gtest/gtest.h>

#include <cstdlib>
#include <new>
#include <stdexcept>
#include <string>

#include "testing/named_cases.h"
#include "toolkit/application.h"
#include "toolkit/form.h"
#include "toolkit/guarded.h"
#include "toolkit/headless/in_process_driver.h"

namespace {

// While set, every allocation through operator new fails, as when memory has run out.
bool allocationsFail = false;

}  // namespace

// Replacements for the whole test program. Not inlined: the compiler would otherwise pair
// operator new with free() where it sees both and warn about a mismatch that is none.

[[gnu::noinline]] void* operator new(std::size_t size) {
  if (allocationsFail) throw std::bad_alloc();
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}
[[gnu::noinline]] void* operator new[](std::size_t size) {
  return ::operator new(size);
}
[[gnu::noinline]] void operator delete(void* p) noexcept {
  std::free(p);
}
[[gnu::noinline]] void operator delete[](void* p) noexcept {
  std::free(p);
}
[[gnu::noinline]] void operator delete(void* p, std::size_t) noexcept {
  std::free(p);
}
[[gnu::noinline]] void operator delete[](void* p, std::size_t) noexcept {
  std::free(p);
}

namespace toolkit {
namespace {

using headless::shownBoxes;

class ErrorReport : public ::testing::Test {
 protected:
  void SetUp() override {
    headless::resetUi();
    application::setTitle("UpTK294Q");
  }
  void TearDown() override { headless::resetUi(); }

  FormOptions options() const {
    FormOptions o;
    o.clientWidth = 100;
    o.clientHeight = 50;
    return o;
  }
};

struct RuleCase : test_support::NamedCase {
  std::string message;
  std::string shown;
};

class ReportText : public ErrorReport, public ::testing::WithParamInterface<RuleCase> {};

TEST_P(ReportText, IsWhatAWindowsHandlerThrewWithAPeriodAfterALaterByte) {
  Form form(options());
  const std::string message = GetParam().message;
  form.onShow = [&](Component&) { throw std::runtime_error(message); };
  form.show();
  ASSERT_EQ(shownBoxes().size(), 1u);
  EXPECT_EQ(shownBoxes()[0].title, "UpTK294Q");
  EXPECT_EQ(shownBoxes()[0].icon, headless::BoxIcon::kStop);
  EXPECT_EQ(shownBoxes()[0].text, GetParam().shown);
}

const std::size_t kMax = ErrorReportText::kMaxLength;

INSTANTIATE_TEST_SUITE_P(
    Rule, ReportText,
    ::testing::Values(
        RuleCase{"Letter", "Not enough timers available", "Not enough timers available."},
        RuleCase{"Digit", "Error 5", "Error 5."},
        RuleCase{"Slash", "C:/", "C:/."},  // the first byte after "."
        RuleCase{"Exclamation", "Inchideti mai intai Ralvento!", "Inchideti mai intai Ralvento!"},
        RuleCase{"Parenthesis", "Failed (5)", "Failed (5)"}, RuleCase{"Period", "Stopped.", "Stopped."},
        RuleCase{"Hyphen", "Stopped -", "Stopped -"},  // the byte before "."
        RuleCase{"Quote", "Invalid data type for 'VER'", "Invalid data type for 'VER'"},
        RuleCase{"Empty", "", ""}, RuleCase{"HighByte", "Eroare \xE9", "Eroare \xE9."},
        RuleCase{"HighestByte", "\xFF", "\xFF."},
        RuleCase{"LongestWithPeriod", std::string(kMax - 1, 'x'), std::string(kMax - 1, 'x') + "."},
        RuleCase{"LongestWithout", std::string(kMax - 1, 'x') + "!", std::string(kMax - 1, 'x') + "!"},
        RuleCase{"NoRoomForThePeriod", std::string(kMax, 'x'), std::string(kMax - 3, 'x') + "..."},
        RuleCase{"FarTooLong", std::string(3 * kMax, 'y') + "!", std::string(kMax - 3, 'y') + "..."}),
    test_support::ByCaseName{});

TEST_F(ErrorReport, AFailureThatIsNoStandardExceptionStillGetsABox) {
  Form form(options());
  form.onShow = [](Component&) { throw 42; };
  form.show();
  ASSERT_EQ(shownBoxes().size(), 1u);
  EXPECT_EQ(shownBoxes()[0].text, "Unknown error.");
}

TEST_F(ErrorReport, NeedsNoMemoryAndNeverLetsTheFailureOut) {
  // Made before memory runs out; throwing a copy of it allocates nothing more.
  const std::runtime_error failure("Failed to set data for the value named VER");
  bool escaped = false;
  allocationsFail = true;
  try {
    runGuarded([&] { throw failure; });
  } catch (...) {
    escaped = true;
  }
  allocationsFail = false;
  EXPECT_FALSE(escaped);
  EXPECT_EQ(headless::lastErrorReport(), "Failed to set data for the value named VER.");
}

}  // namespace
}  // namespace toolkit
