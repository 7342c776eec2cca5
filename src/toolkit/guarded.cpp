#include "toolkit/guarded.h"

#include <algorithm>

#include "toolkit/application.h"

namespace toolkit {

ErrorReportText::ErrorReportText(std::string_view message) noexcept {
  const bool needsPeriod =
      !message.empty() && static_cast<unsigned char>(message.back()) > static_cast<unsigned char>('.');
  if (message.size() + (needsPeriod ? 1 : 0) <= kMaxLength) {
    std::copy(message.begin(), message.end(), text_.begin());
    length_ = message.size();
    if (needsPeriod) text_[length_++] = '.';
  } else {
    constexpr std::string_view kCut = "...";
    const std::size_t kept = kMaxLength - kCut.size();
    std::copy_n(message.begin(), kept, text_.begin());
    std::copy(kCut.begin(), kCut.end(), text_.begin() + static_cast<std::ptrdiff_t>(kept));
    length_ = kMaxLength;
  }
  text_[length_] = '\0';
}

void reportFailure(const char* message) noexcept {
  const ErrorReportText text(message ? std::string_view(message) : std::string_view("Unknown error"));
  application::reportError(text.c_str());
}

}  // namespace toolkit
