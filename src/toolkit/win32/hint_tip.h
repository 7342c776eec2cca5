#pragma once
#include <windows.h>

#include <string>

#include "graphics/geometry.h"
#include "toolkit/control_host.h"
#include "toolkit/win32/handles.h"

namespace toolkit::win32 {

// The system's tooltip for the graphic controls of one host window. The controls have no
// windows of their own, so the tip has one tool at a time: the rectangle of the control whose
// hint shows under the pointer, made anew whenever that changes, so that the tip waits the
// system's delay again for each control.
class HintTip {
 public:
  explicit HintTip(HWND host);
  HintTip(const HintTip&) = delete;
  HintTip& operator=(const HintTip&) = delete;

  // A mouse message of the host window, before the host handles it.
  void relay(const ControlHost& host, UINT msg, WPARAM wParam, LPARAM lParam);
  // The pointer has left the host window.
  void pointerLeft() { setTool(graphics::Rect{}, {}); }
  HWND window() const { return tip_.get(); }
  // The tip's window went with the form that owns it (the close box): forget its handle.
  void windowGone() {
    tip_.release();
    hasTool_ = false;
  }

 private:
  void setTool(const graphics::Rect& bounds, const std::string& text);

  HWND host_;
  UniqueWindow tip_;  // none when the system could not make one: the window then shows no hints
  bool hasTool_ = false;
  graphics::Rect bounds_;
  std::string text_;
};

}  // namespace toolkit::win32
