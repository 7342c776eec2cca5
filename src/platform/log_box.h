#pragma once
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/panel.h"

namespace platform {

// A read-only, word-wrapping multi-line text box without scroll bars; lines are only appended.
// On Windows it is the system's own edit control, so screen readers and test drivers read it.
class LogBox {
 public:
  LogBox(Panel& parent, const Rect& bounds, Color color, const Font& font);
  LogBox(const LogBox&) = delete;
  LogBox& operator=(const LogBox&) = delete;
  ~LogBox();

  void appendLine(std::string_view line);
  std::string text() const;
  std::vector<std::string> lines() const;
  void focus();

  struct Impl;

 private:
  std::unique_ptr<Impl> impl_;
};

// Splits the box's text into its lines; the line break after the last line ends it.
std::vector<std::string> splitLines(std::string_view text);

}  // namespace platform
