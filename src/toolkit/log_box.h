#pragma once
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "toolkit/component.h"
#include "toolkit/panel.h"

namespace platform {

// A read-only, word-wrapping multi-line text box without scroll bars; lines are only appended.
// On Windows it is the system's own edit control, so screen readers and test drivers read it.
// It speaks in the font of the form it is placed on, and must not outlive its panel.
class LogBox : public Component {
 public:
  explicit LogBox(Component* owner);
  LogBox(Panel& parent, const Rect& bounds, Color color, Component* owner = nullptr);
  ~LogBox() override;

  Panel* parent() const { return parent_; }
  // Places the box on a panel, or moves it to another one; none is a logic error.
  void setParent(Panel* panel);
  const Rect& bounds() const { return bounds_; }
  void setBounds(const Rect& bounds);
  Color color() const { return color_; }
  void setColor(Color color);

  // Throw the no-parent error until the box is placed on a panel.
  void appendLine(std::string_view line);
  std::string text() const;
  std::vector<std::string> lines() const;
  void focus();

  struct Impl;

 private:
  void requireParent() const;
  // The backend's part: the window follows the box's panel, bounds and colour.
  void placeWindow(Panel* previous);
  void moveWindow();
  void colorWindow();
  void appendToWindow(std::string_view line);
  std::string windowText() const;
  void focusWindow();

  Panel* parent_ = nullptr;
  Rect bounds_;
  Color color_ = kWindowColor;
  std::unique_ptr<Impl> impl_;
};

// Splits the box's text into its lines; the line break after the last line ends it.
std::vector<std::string> splitLines(std::string_view text);

}  // namespace platform
