#include "toolkit/headless/ui_state.h"

namespace toolkit::headless {

UiState& uiState() {
  static UiState state;
  return state;
}

}  // namespace toolkit::headless
