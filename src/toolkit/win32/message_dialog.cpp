#include "toolkit/message_dialog.h"

#include <string>

#include "toolkit/win32/toolkit.h"

namespace toolkit {

void showMessageDialog(std::string_view text, DialogKind kind) {
  const bool error = kind == DialogKind::kError;
  win32::showModalBox(std::string(text).c_str(), error ? "Error" : "Information",
                      error ? MB_ICONERROR : MB_ICONINFORMATION);
}

}  // namespace toolkit
