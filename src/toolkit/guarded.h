#pragma once
#include <array>
#include <cstddef>
#include <exception>
#include <functional>
#include <string_view>
#include <type_traits>
#include <utility>

namespace toolkit {

// The text of the top-level error report, composed in place so that reporting needs no memory
// that could run out: a "." is added to a non-empty message whose last character sorts after
// "." (a letter or a digit, say, but not a quote, "!" or ")"). A message too long for one box
// is cut and ends in "...".
class ErrorReportText {
 public:
  static constexpr std::size_t kMaxLength = 4095;

  explicit ErrorReportText(std::string_view message) noexcept;
  const char* c_str() const noexcept { return text_.data(); }

 private:
  std::array<char, kMaxLength + 1> text_{};
  std::size_t length_ = 0;
};

// Shows the application's error report for `message` (null for a failure without one). Never
// throws: it runs where an exception would unwind into the system's code.
void reportFailure(const char* message) noexcept;

namespace detail {
template <class T>
inline constexpr bool kIsStdFunction = false;
template <class R, class... Args>
inline constexpr bool kIsStdFunction<std::function<R(Args...)>> = true;
}  // namespace detail

// Runs an event handler. An exception that leaves it ends the handler and is shown in the
// application's error report; the event loop goes on. An empty std::function does nothing.
// Taking the handler as it is, rather than wrapped in a std::function, keeps the guard itself
// from allocating.
template <class Handler>
void runGuarded(Handler&& handler) noexcept {
  if constexpr (detail::kIsStdFunction<std::remove_cvref_t<Handler>>) {
    if (!handler) return;
  }
  try {
    std::forward<Handler>(handler)();
  } catch (const std::exception& e) {
    reportFailure(e.what());
  } catch (...) {
    reportFailure(nullptr);
  }
}

}  // namespace toolkit
