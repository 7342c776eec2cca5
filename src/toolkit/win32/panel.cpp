#include "toolkit/panel.h"

#include <windows.h>
#include <windowsx.h>

#include <stdexcept>

#include "graphics/win32/gdi_canvas.h"
#include "toolkit/graphic_control.h"
#include "toolkit/win32/accessible_server.h"
#include "toolkit/win32/hint_tip.h"
#include "toolkit/win32/toolkit.h"

namespace toolkit {

struct Panel::Impl {
  Panel* owner = nullptr;
  win32::UniqueWindow window;
  bool trackingLeave = false;
  std::unique_ptr<win32::HintTip> hints;
};

namespace {

constexpr char kClassName[] = "UpTK294QPanel";

Panel::Impl* implOf(HWND hwnd) {
  return win32::windowData<Panel::Impl>(hwnd);
}

ControlHost* hostOfWindow(HWND hwnd) {
  Panel::Impl* const impl = implOf(hwnd);
  return impl ? impl->owner : nullptr;
}

graphics::Point pointOf(LPARAM lParam) {
  return {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
}

// BeginPaint and EndPaint in pairs, whatever happens in between.
class PaintScope {
 public:
  explicit PaintScope(HWND hwnd) : hwnd_(hwnd), dc_(BeginPaint(hwnd, &ps_)) {}
  PaintScope(const PaintScope&) = delete;
  PaintScope& operator=(const PaintScope&) = delete;
  ~PaintScope() { EndPaint(hwnd_, &ps_); }
  HDC dc() const { return dc_; }
  const RECT& area() const { return ps_.rcPaint; }

 private:
  HWND hwnd_;
  PAINTSTRUCT ps_{};
  HDC dc_;
};

void onPaint(Panel& panel, HWND hwnd) {
  const PaintScope scope(hwnd);
  const RECT& area = scope.area();
  RECT client;
  GetClientRect(hwnd, &client);
  if (client.right > 0 && client.bottom > 0) {
    // Composed off-screen and copied in one step, so that nothing flickers.
    const auto buffer = graphics::createBitmap(client.right, client.bottom);
    panel.paint(buffer->canvas(), {area.left, area.top, area.right, area.bottom});
    graphics::win32::GdiCanvas screen(scope.dc());
    screen.drawOpaque(0, 0, *buffer);
  }
}

LRESULT handleMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  Panel::Impl* impl = implOf(hwnd);
  if (!impl || !impl->owner) return DefWindowProcA(hwnd, msg, wParam, lParam);
  Panel& panel = *impl->owner;
  if (impl->hints && msg >= WM_MOUSEFIRST && msg <= WM_MOUSELAST)
    impl->hints->relay(panel, msg, wParam, lParam);
  switch (msg) {
    case WM_NCDESTROY:
      // Destroyed with its form (the close box), and the tip with it: the panel must not destroy
      // either handle again.
      impl->window.release();
      if (impl->hints) impl->hints->windowGone();
      break;
    case WM_ERASEBKGND:
      return 1;  // painted whole in WM_PAINT
    case WM_PAINT:
      onPaint(panel, hwnd);
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      panel.handleMouseDown(MouseButton::kLeft, win32::shiftStateFromMouse(wParam), pointOf(lParam),
                            msg == WM_LBUTTONDBLCLK);
      return 0;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
      panel.handleMouseDown(MouseButton::kRight, win32::shiftStateFromMouse(wParam), pointOf(lParam), false);
      return 0;
    case WM_LBUTTONUP:
      panel.handleMouseUp(MouseButton::kLeft, win32::shiftStateFromMouse(wParam), pointOf(lParam));
      return 0;
    case WM_RBUTTONUP:
      panel.handleMouseUp(MouseButton::kRight, win32::shiftStateFromMouse(wParam), pointOf(lParam));
      return 0;
    case WM_MOUSEMOVE:
      if (!impl->trackingLeave) {
        TRACKMOUSEEVENT tme{sizeof tme, TME_LEAVE, hwnd, 0};
        impl->trackingLeave = TrackMouseEvent(&tme) != FALSE;
      }
      panel.handleMouseMove(pointOf(lParam));
      return 0;
    case WM_MOUSELEAVE:
      impl->trackingLeave = false;
      if (impl->hints) impl->hints->pointerLeft();
      panel.handlePointerLeft();
      return 0;
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(lParam) != hwnd) panel.handleCaptureLost();
      return 0;
    case WM_SETCURSOR:
      if (reinterpret_cast<HWND>(wParam) == hwnd && LOWORD(lParam) == HTCLIENT) {
        POINT p;
        GetCursorPos(&p);
        ScreenToClient(hwnd, &p);
        const bool hand = panel.cursorAt({p.x, p.y}) == Cursor::kHandPoint;
        SetCursor(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(hand ? IDC_HAND : IDC_ARROW)));
        return TRUE;
      }
      break;
    case WM_GETOBJECT:
      return win32::answerGetObject(hwnd, wParam, lParam, hostOfWindow);
    case win32::kRunPostedMessage:
      panel.runPosted();
      return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
      // A child window (a log box) knows its own colours.
      if (const LRESULT brush =
              SendMessageA(reinterpret_cast<HWND>(lParam), win32::kChildColorMessage, wParam, 0))
        return brush;
      break;
    default:
      break;
  }
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

}  // namespace

Panel::Panel(Component* owner)
    : ChildWindow(owner, kDefaultColor, kKind, kParentKind), impl_(std::make_unique<Impl>()) {
  impl_->owner = this;
}

Panel::~Panel() {
  freeComponents();  // what it owns may sit on it
  if (parent_) parent_->removeHost(*this);
  impl_->owner = nullptr;  // what the going window still receives is no longer the panel's
  impl_->hints.reset();    // the tip first, while the windows it belongs with exist
  impl_->window.reset();
}

void Panel::placeWindow(Form*) {
  const HWND formWindow = win32::windowOf(*parent_);
  if (impl_->window) {
    SetParent(impl_->window.get(), formWindow);
  } else {
    const HWND hwnd = CreateWindowExA(
        0, win32::registerClass(kClassName, win32::guardedWindowProc<handleMessage>, CS_DBLCLKS, nullptr), "",
        WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, bounds().left, bounds().top, bounds().width(),
        bounds().height(), formWindow, nullptr, win32::instance(), impl_.get());
    if (!hwnd) throw std::runtime_error("Cannot create the panel");
    impl_->window.reset(hwnd);
    impl_->hints = std::make_unique<win32::HintTip>(hwnd);
  }
}

void Panel::moveWindow() {
  if (const HWND hwnd = impl_->window.get()) {
    MoveWindow(hwnd, bounds().left, bounds().top, bounds().width(), bounds().height(), TRUE);
  }
}

// Once its window is gone (closed with the form) the panel shows nothing and asks for nothing:
// a null window would stand for the whole screen in most of these calls.
bool Panel::showing() const {
  const HWND hwnd = impl_->window.get();
  return hwnd && IsWindowVisible(hwnd) != FALSE;
}

bool Panel::topLevelEnabled() const {
  const HWND hwnd = impl_->window.get();
  const HWND root = hwnd ? GetAncestor(hwnd, GA_ROOT) : nullptr;
  return root && IsWindowEnabled(root) != FALSE;
}

void Panel::invalidateRect(const graphics::Rect& r) {
  const HWND hwnd = impl_->window.get();
  if (!hwnd) return;
  const RECT rect{r.left, r.top, r.right, r.bottom};
  InvalidateRect(hwnd, &rect, FALSE);
}

void Panel::paintControlNow(GraphicControl& control) {
  const HWND hwnd = impl_->window.get();
  if (!hwnd) return;
  const win32::WindowDc dc(hwnd);
  graphics::win32::GdiCanvas screen(dc.get());
  paintControl(screen, control);
}

void Panel::setMouseCapture(bool on) {
  const HWND hwnd = impl_->window.get();
  if (!hwnd) return;
  if (on) {
    SetCapture(hwnd);
  } else if (GetCapture() == hwnd) {
    ReleaseCapture();
  }
}

graphics::Point Panel::clientToScreen(graphics::Point at) const {
  POINT p{at.x, at.y};
  if (const HWND hwnd = impl_->window.get()) ClientToScreen(hwnd, &p);
  return {p.x, p.y};
}

int Panel::colorDepth() const {
  const win32::WindowDc dc(impl_->window.get());  // without a window: the screen's
  return GetDeviceCaps(dc.get(), BITSPIXEL) * GetDeviceCaps(dc.get(), PLANES);
}

void Panel::requestPostedRun() {
  // A null window would post to the thread, outside any window procedure.
  if (const HWND hwnd = impl_->window.get()) PostMessageA(hwnd, win32::kRunPostedMessage, 0, 0);
}

void Panel::accessibleChanged(GraphicControl& control, AccessibleChange change) {
  const int object = accessibleObjectOf(*this, control, change);
  if (const HWND hwnd = impl_->window.get(); hwnd && object >= 0) {
    win32::notifyAccessibleChange(hwnd, object, change);
  }
}

WindowHandle Panel::window() const {
  return impl_->window.get();
}

}  // namespace toolkit
