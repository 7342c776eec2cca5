#pragma once
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "toolkit/guarded.h"
#include "toolkit/headless/shown.h"
#include "toolkit/screen_density.h"

namespace toolkit {
class Form;
class Timer;
}  // namespace toolkit

namespace toolkit::headless {

// Shared between the headless toolkit's parts.
struct UiState {
  std::vector<ShownBox> boxes;
  // The last error report's text, copied without allocating.
  std::array<char, ErrorReportText::kMaxLength + 1> lastReport{};
  std::function<void(const ShownBox&)> boxObserver;
  int openBoxes = 0;  // while one is open (its observer runs), every form is disabled
  std::vector<ShownMenu> menus;
  std::function<std::optional<std::size_t>(const ShownMenu&)> menuChooser;
  std::vector<Timer*> timers;
  bool terminationRequested = false;
  std::vector<const Form*> textFocus;  // forms whose focused control is a text box
  std::string title;
  int screenDensity = kDesignDensity;  // what forms made from now on open at
};

UiState& uiState();
void showBox(ShownBox box);

}  // namespace toolkit::headless
