#include "toolkit/win32/hint_tip.h"

#include <commctrl.h>
#include <windowsx.h>

#include "toolkit/graphic_control.h"
#include "toolkit/win32/toolkit.h"

namespace toolkit::win32 {
namespace {

constexpr UINT_PTR kToolId = 1;

TOOLINFOA toolInfo(HWND host) {
  TOOLINFOA info{};
  // Without the reserved field that only version 6 of the common controls knows: earlier ones
  // refuse the larger size.
  info.cbSize = TTTOOLINFOA_V2_SIZE;
  info.hwnd = host;
  info.uId = kToolId;
  return info;
}

}  // namespace

HintTip::HintTip(HWND host) : host_(host) {
  static const bool registered = [] {
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES};
    return InitCommonControlsEx(&icc) != FALSE;
  }();
  if (!registered) return;
  // Shown also while the window is not the active one, and with "&" as written.
  tip_.reset(CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                             CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, host, nullptr,
                             instance(), nullptr));
}

void HintTip::relay(const ControlHost& host, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (!tip_) return;
  const graphics::Point at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  const GraphicControl* const control = host.hintControlAt(at);
  if (control) {
    setTool(control->bounds(), control->hint());
  } else {
    setTool(graphics::Rect{}, {});
  }
  MSG m{host_, msg, wParam, lParam, static_cast<DWORD>(GetMessageTime()), {}};
  GetCursorPos(&m.pt);
  SendMessageA(tip_.get(), TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&m));
}

void HintTip::setTool(const graphics::Rect& bounds, const std::string& text) {
  const bool wanted = !text.empty();
  if (wanted == hasTool_ && (!wanted || (bounds == bounds_ && text == text_))) return;
  TOOLINFOA info = toolInfo(host_);
  if (hasTool_) SendMessageA(tip_.get(), TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&info));
  hasTool_ = false;
  if (!wanted) return;
  bounds_ = bounds;
  text_ = text;
  info.uFlags = TTF_TRANSPARENT;
  info.rect = {bounds.left, bounds.top, bounds.right, bounds.bottom};
  info.lpszText = text_.data();  // the tip keeps a copy
  hasTool_ = SendMessageA(tip_.get(), TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info)) != FALSE;
}

}  // namespace toolkit::win32
