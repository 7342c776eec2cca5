#include "platform/log_box.h"

#include <algorithm>

#include "platform/headless/ui_state.h"

namespace platform {

struct LogBox::Impl {
  const Form* form = nullptr;
  std::string text;
};

LogBox::LogBox(Panel& parent, const Rect&, Color, const Font&) : impl_(std::make_unique<Impl>()) {
  impl_->form = &parent.form();
}

LogBox::~LogBox() {
  std::erase(headless::uiState().textFocus, impl_->form);
}

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
void LogBox::focus() {
  auto& focus = headless::uiState().textFocus;
  if (std::find(focus.begin(), focus.end(), impl_->form) == focus.end()) focus.push_back(impl_->form);
}

}  // namespace platform
