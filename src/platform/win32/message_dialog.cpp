#include "platform/message_dialog.h"

#include <windows.h>

#include <string>

namespace platform {

void showMessageDialog(std::string_view text, DialogKind kind) {
  const std::string message(text);
  const bool error = kind == DialogKind::kError;
  // No owner: the box is centred on the screen. Task-modal and topmost, so that it blocks the
  // window and is not hidden behind it, although the window stays on top.
  MessageBoxA(
      nullptr, message.c_str(), error ? "Error" : "Information",
      MB_OK | (error ? MB_ICONERROR : MB_ICONINFORMATION) | MB_TASKMODAL | MB_TOPMOST | MB_SETFOREGROUND);
}

}  // namespace platform
