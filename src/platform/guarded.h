#pragma once
#include <functional>
#include <string>
#include <string_view>

namespace platform {

// The text of the top-level error report: a "." is added to a non-empty message whose last
// character sorts after "." (a letter or a digit, say, but not a quote, "!" or ")").
std::string errorReportText(std::string_view message);

// Runs an event handler. An exception that leaves it ends the handler and is shown in the
// application's error report; the event loop goes on.
void runGuarded(const std::function<void()>& handler);

}  // namespace platform
