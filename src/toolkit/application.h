#pragma once
#include <string>
#include <string_view>

// The process-wide application object: its title, the event loop and the error report.
namespace toolkit::application {

// Stops the loader from finding DLLs in the program's own folder or the current one: an
// updater is often started, elevated, from a downloads folder where anything may lie.
void restrictDllSearch();

void setTitle(std::string_view title);
std::string title();

// Runs the event loop until termination is requested; the process's exit code.
int run();
// Asks the event loop to end once the current event completes.
void terminate();
bool terminationRequested();
// Handles every event that is pending now, then returns.
void processMessages();

// Shows the top-level error report: the text in a modal box with the stop icon and one OK
// button, titled with the application title. Allocates nothing and never throws, since it runs
// where an exception would unwind into the system (see toolkit/guarded.h).
void reportError(const char* text) noexcept;

}  // namespace toolkit::application
