#include "toolkit/log_box.h"

#include <algorithm>
#include <stdexcept>

#include "toolkit/headless/in_process_driver.h"
#include "toolkit/headless/ui_state.h"

namespace toolkit {

struct LogBox::Impl {
  const Form* form = nullptr;  // the form the box sits in, once it is placed
  std::string text;
};

LogBox::LogBox(Component* owner)
    : ChildWindow(owner, kDefaultColor, kKind, kParentKind), impl_(std::make_unique<Impl>()) {}

LogBox::~LogBox() {
  std::erase(headless::uiState().textFocus, impl_->form);
}

void LogBox::placeWindow(Panel* previous) {
  // As on Windows: a panel without a form has no window to take the box.
  if (!parent_->parent()) throwNoParentWindow();
  if (previous) std::erase(headless::uiState().textFocus, impl_->form);
  impl_->form = parent_->parent();
}
void LogBox::moveWindow() {}
void LogBox::colorWindow() {}
void LogBox::densityChanged() {}

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

}  // namespace toolkit
