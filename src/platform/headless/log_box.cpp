#include "platform/log_box.h"

namespace platform {

struct LogBox::Impl {
  std::string text;
};

LogBox::LogBox(Panel&, const Rect&, Color, const Font&) : impl_(std::make_unique<Impl>()) {}
LogBox::~LogBox() = default;

void LogBox::appendLine(std::string_view line) {
  impl_->text.append(line);
  impl_->text.append("\r\n");
}

std::string LogBox::text() const {
  return impl_->text;
}
std::vector<std::string> LogBox::lines() const {
  return splitLines(impl_->text);
}
void LogBox::focus() {}

}  // namespace platform
