#include "toolkit/log_box.h"

#include <stdexcept>

namespace toolkit {

LogBox::LogBox(Panel& parent, const graphics::Rect& bounds, graphics::Color color, Component* owner)
    : LogBox(owner) {
  setBounds(bounds);
  setColor(color);
  setParent(&parent);
}

void LogBox::requireParent() const {
  if (!parent_) throwNoParentWindow();
}

void LogBox::throwNoParentWindow() const {
  throw std::runtime_error("Log box '" + name() + "' has no parent window");
}

void LogBox::appendLine(std::string_view line) {
  requireParent();
  appendToWindow(line);
}

std::string LogBox::text() const {
  requireParent();
  return windowText();
}

std::vector<std::string> LogBox::lines() const {
  return splitLines(text());
}

void LogBox::focus() {
  requireParent();
  focusWindow();
}

std::vector<std::string> splitLines(std::string_view text) {
  std::vector<std::string> lines;
  while (!text.empty()) {
    const auto end = text.find("\r\n");
    lines.emplace_back(text.substr(0, end));
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 2);
  }
  return lines;
}

}  // namespace toolkit
