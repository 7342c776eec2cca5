#include "toolkit/headless/ui_state.h"

namespace platform::headless {

UiState& uiState() {
  static UiState state;
  return state;
}

}  // namespace platform::headless
