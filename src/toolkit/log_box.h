#pragma once
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "toolkit/child_window.h"
#include "toolkit/panel.h"

namespace toolkit {

// A read-only, word-wrapping multi-line text box without scroll bars; lines are only appended.
// On Windows it is the system's own edit control, so screen readers and test drivers read it.
// It speaks in the font of the form it is placed on, and must not outlive its panel.
class LogBox : public ChildWindow<Panel> {
 public:
  // The colour a new box shows, which its window description need not store.
  static constexpr graphics::Color kDefaultColor = graphics::kWindowColor;
  explicit LogBox(Component* owner);
  LogBox(Panel& parent, const graphics::Rect& bounds, graphics::Color color, Component* owner = nullptr);
  ~LogBox() override;

  // Throw the no-parent error until the box is placed on a panel.
  void appendLine(std::string_view line);
  std::string text() const;
  std::vector<std::string> lines() const;
  void focus();
  // The font its text shows in: the form's, at the panel's density. Needs a parent.
  graphics::Font shownFont() const { return scaledToDensity(parent_->font(), parent_->density()); }

  struct Impl;

 private:
  static constexpr const char* kKind = "Log box";
  static constexpr const char* kParentKind = "panel";

  void requireParent() const;
  // "Log box '<Name>' has no parent window": before it has a panel, or on a panel without one.
  [[noreturn]] void throwNoParentWindow() const;
  // The backend's part: the window follows the box's panel, bounds and colour.
  void placeWindow(Panel* previous) override;
  void moveWindow() override;
  void colorWindow() override;
  // The text takes the font at the new density.
  void densityChanged() override;
  void appendToWindow(std::string_view line);
  std::string windowText() const;
  void focusWindow();

  std::unique_ptr<Impl> impl_;
};

// Splits the box's text into its lines; the line break after the last line ends it.
std::vector<std::string> splitLines(std::string_view text);

}  // namespace toolkit
