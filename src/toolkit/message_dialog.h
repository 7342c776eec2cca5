#pragma once
#include <string_view>

namespace toolkit {

enum class DialogKind { kError, kInformation };

// A modal message box centred on the screen, titled "Error" or "Information" with the system's
// matching icon and one OK button; returns when the user dismisses it.
void showMessageDialog(std::string_view text, DialogKind kind);

}  // namespace toolkit
