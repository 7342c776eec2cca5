#include "toolkit/log_box.h"

#include <algorithm>

#include "toolkit/headless/in_process_driver.h"
#include "toolkit/headless/ui_state.h"

namespace platform {

struct LogBox::Impl {
  const Form* form = nullptr;  // the form the box sits in, once it is placed
  std::string text;
};

LogBox::LogBox(Component* owner) : Component(owner), impl_(std::make_unique<Impl>()) {}

LogBox::~LogBox() {
  std::erase(headless::uiState().textFocus, impl_->form);
}

void LogBox::placeWindow(Panel* previous) {
  if (previous) std::erase(headless::uiState().textFocus, impl_->form);
  impl_->form = parent_->parent();
}
void LogBox::moveWindow() {}
void LogBox::colorWindow() {}

void LogBox::appendToWindow(std::string_view line) {
  impl_->text.append(line);
  impl_->text.append("\r\n");
}

std::string LogBox::windowText() const {
  return impl_->text;
}

void LogBox::focusWindow() {
  auto& focus = headless::uiState().textFocus;
  if (impl_->form && std::find(focus.begin(), focus.end(), impl_->form) == focus.end()) {
    focus.push_back(impl_->form);
  }
}

}  // namespace platform
