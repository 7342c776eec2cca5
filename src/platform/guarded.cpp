#include "platform/guarded.h"

#include <exception>

#include "platform/application.h"

namespace platform {

std::string errorReportText(std::string_view message) {
  std::string text(message);
  if (!text.empty() && static_cast<unsigned char>(text.back()) > static_cast<unsigned char>('.')) text += '.';
  return text;
}

void runGuarded(const std::function<void()>& handler) {
  if (!handler) return;
  try {
    handler();
  } catch (const std::exception& e) {
    application::reportError(errorReportText(e.what()));
  } catch (...) {
    application::reportError("Unknown error.");
  }
}

}  // namespace platform
