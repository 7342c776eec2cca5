#include "toolkit/message_dialog.h"

#include <string>
#include <utility>

#include "toolkit/headless/in_process_driver.h"
#include "toolkit/headless/ui_state.h"

namespace platform {

void headless::showBox(ShownBox box) {
  uiState().boxes.push_back(box);
  if (uiState().boxObserver) uiState().boxObserver(box);
}

const std::vector<headless::ShownBox>& headless::shownBoxes() {
  return uiState().boxes;
}

void headless::setBoxObserver(std::function<void(const ShownBox&)> observer) {
  uiState().boxObserver = std::move(observer);
}

void showMessageDialog(std::string_view text, DialogKind kind) {
  const bool error = kind == DialogKind::kError;
  headless::showBox({error ? "Error" : "Information", std::string(text),
                     error ? headless::BoxIcon::kError : headless::BoxIcon::kInformation});
}

}  // namespace platform
