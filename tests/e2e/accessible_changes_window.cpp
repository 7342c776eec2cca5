// A window whose buttons change the first one when a client presses them by their default
// action: "Move" moves it, "Hide" and "Show" hide and show it, "Remove" takes it off the panel,
// so that the later buttons are numbered anew. What the accessibility events test watches from
// another process.
#include <exception>

#include "gold_button.h"
#include "toolkit/application.h"
#include "toolkit/guarded.h"

namespace {

widgets::TLbSpeedButton& addButton(gold_button::Window& window, const char* caption, int row) {
  widgets::TLbSpeedButton& b = window.addButton(caption);
  b.setCaption(caption);
  b.setBounds({150, 10 + 40 * row, 150 + gold_button::kWidth, 10 + 40 * row + gold_button::kHeight});
  return b;
}

}  // namespace

int main() {
  namespace application = toolkit::application;
  application::setTitle("Accessible changes");
  try {
    gold_button::Window window("Accessible changes");
    widgets::TLbSpeedButton& target = window.addButton("Target");
    target.setCaption("Target");
    addButton(window, "Move", 0).onClick = [&](toolkit::Component&) {
      target.setBounds({20, 100, 20 + gold_button::kWidth, 100 + gold_button::kHeight});
    };
    addButton(window, "Hide", 1).onClick = [&](toolkit::Component&) { target.setVisible(false); };
    addButton(window, "Show", 2).onClick = [&](toolkit::Component&) { target.setVisible(true); };
    addButton(window, "Remove", 3).onClick = [&](toolkit::Component&) { target.setParent(nullptr); };
    return application::run();
  } catch (const std::exception& e) {
    toolkit::reportFailure(e.what());
    return 1;
  }
}
