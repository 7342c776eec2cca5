#include "toolkit/message_dialog.h"

#include <string>
#include <utility>

#include "toolkit/headless/in_process_driver.h"
#include "toolkit/headless/ui_state.h"

namespace toolkit {

void headless::showBox(ShownBox box) {
  uiState().boxes.push_back(box);
  // Modal for the whole program, as the system's boxes are: the forms take no input meanwhile.
  struct Open {
    Open() { ++uiState().openBoxes; }
    Open(const Open&) = delete;
    Open& operator=(const Open&) = delete;
    ~Open() { --uiState().openBoxes; }
  } open;
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

}  // namespace toolkit
