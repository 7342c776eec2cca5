#include "toolkit/form.h"

#include <windows.h>

#include <stdexcept>

#include "toolkit/application.h"
#include "toolkit/guarded.h"
#include "toolkit/win32/toolkit.h"

namespace toolkit {

struct Form::Impl {
  Form* owner = nullptr;
  // The window holds the brush and the icons until it is gone, so it is declared after them and
  // destroyed first.
  win32::UniqueBrush background;
  win32::UniqueIcon bigIcon;
  win32::UniqueIcon smallIcon;
  win32::UniqueWindow window;
  bool shown = false;
  bool endsApplication = false;
};

namespace {

constexpr char kClassName[] = "UpTK294QForm";
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
bool mainFormMade = false;

Form::Impl* implOf(HWND hwnd) {
  return win32::windowData<Form::Impl>(hwnd);
}

bool findFocusable(HWND child, LPARAM found) {
  const LONG_PTR style = GetWindowLongPtrA(child, GWL_STYLE);
  if ((style & (WS_TABSTOP | WS_VISIBLE | WS_DISABLED)) != (WS_TABSTOP | WS_VISIBLE)) return true;
  *reinterpret_cast<HWND*>(found) = child;
  return false;
}

// The first window inside the form, through its panels, that takes the focus: a log box's. The
// form hands the focus it is given on to it, so that the box has the focus from the start.
HWND focusableChild(HWND form) {
  HWND found = nullptr;
  EnumChildWindows(form, win32::guardedEnumProc<findFocusable>, reinterpret_cast<LPARAM>(&found));
  return found;
}

LRESULT handleMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  Form::Impl* impl = implOf(hwnd);
  if (!impl) return DefWindowProcA(hwnd, msg, wParam, lParam);
  switch (msg) {
    case WM_ERASEBKGND: {
      RECT r;
      GetClientRect(hwnd, &r);
      FillRect(reinterpret_cast<HDC>(wParam), &r, impl->background.get());
      return 1;
    }
    case WM_SETFOCUS:
      if (const HWND child = focusableChild(hwnd)) SetFocus(child);
      return 0;
    case WM_DPICHANGED: {
      // Moved to a monitor of another density: sized from the 96-dpi values again, at the place
      // the system suggests.
      const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
      impl->owner->scaleTo(HIWORD(wParam));
      SetWindowPos(hwnd, nullptr, suggested.left, suggested.top, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
      return 0;
    }
    case WM_CLOSE:
      DestroyWindow(hwnd);
      return 0;
    case WM_DESTROY:
      impl->window.release();  // already going; the wrapper must not destroy it again
      if (impl->endsApplication) application::terminate();
      return 0;
    default:
      return DefWindowProcA(hwnd, msg, wParam, lParam);
  }
}

DWORD exStyleOf(const FormOptions& o) {
  return (o.stayOnTop ? WS_EX_TOPMOST : 0) | (o.backgroundSeeThrough ? WS_EX_LAYERED : 0);
}

// The outer size of a window whose client area has `client`'s size, its frame drawn at `dpi`.
SIZE outerSize(const FormOptions& o, graphics::Size client, int dpi) {
  RECT r{0, 0, client.cx, client.cy};
  win32::adjustWindowRectForDensity(r, kStyle, exStyleOf(o), dpi);
  return {r.right - r.left, r.bottom - r.top};
}

win32::UniqueIcon loadIcon(const std::string& name, int side) {
  return win32::UniqueIcon(
      static_cast<HICON>(LoadImageA(win32::instance(), name.c_str(), IMAGE_ICON, side, side, 0)));
}

}  // namespace

Form::Form(const FormOptions& options, Component* owner)
    : Component(owner), options_(options), impl_(std::make_unique<Impl>()) {
  impl_->owner = this;
  impl_->endsApplication = !mainFormMade;
  mainFormMade = true;
  const HWND hwnd =
      CreateWindowExA(exStyleOf(options),
                      win32::registerClass(kClassName, win32::guardedWindowProc<handleMessage>, 0, nullptr),
                      options.caption.c_str(), kStyle, CW_USEDEFAULT, CW_USEDEFAULT, 0, 0, nullptr, nullptr,
                      win32::instance(), impl_.get());
  if (!hwnd) throw std::runtime_error("Cannot create the window");
  impl_->window.reset(hwnd);
  density_ = win32::windowDensity(hwnd);
  applySize();
  applyColor();  // the background brush and the see-through key
  applyIcon();
}

Form::~Form() {
  freeComponents();  // panels and log boxes give their windows back while this one exists
  if (impl_->window) {
    impl_->endsApplication = false;  // destroyed by its owner, not closed by the user
    SetWindowLongPtrA(impl_->window.get(), GWLP_USERDATA, 0);
  }
}

void Form::applyCaption() {
  if (impl_->window) SetWindowTextA(impl_->window.get(), options_.caption.c_str());
}

std::string Form::caption() const {
  return impl_->window ? win32::windowText(impl_->window.get()) : std::string();
}

void Form::applySize() {
  if (!impl_->window) return;
  // The frame as the system draws it for this window now: at the new density once Windows has
  // moved the window to another monitor, and at the system's where the message was only sent.
  const SIZE size = outerSize(options_, clientSize(), win32::windowDensity(impl_->window.get()));
  SetWindowPos(impl_->window.get(), nullptr, 0, 0, size.cx, size.cy,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::applyColor() {
  const HWND hwnd = impl_->window.get();
  if (!hwnd) return;
  const COLORREF color = graphics::win32::toColorRef(options_.color);
  impl_->background.reset(CreateSolidBrush(color));
  const LONG_PTR exStyle = GetWindowLongPtrA(hwnd, GWL_EXSTYLE);
  if (options_.backgroundSeeThrough) {
    SetWindowLongPtrA(hwnd, GWL_EXSTYLE, exStyle | WS_EX_LAYERED);
    SetLayeredWindowAttributes(hwnd, color, 0, LWA_COLORKEY);
  } else if (exStyle & WS_EX_LAYERED) {
    SetWindowLongPtrA(hwnd, GWL_EXSTYLE, exStyle & ~static_cast<LONG_PTR>(WS_EX_LAYERED));
  }
  InvalidateRect(hwnd, nullptr, TRUE);
}

void Form::applyStacking() {
  if (!impl_->window) return;
  SetWindowPos(impl_->window.get(), options_.stayOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void Form::applyIcon() {
  const HWND hwnd = impl_->window.get();
  if (!hwnd) return;
  win32::UniqueIcon big;
  win32::UniqueIcon small;
  if (!options_.iconResource.empty()) {
    big = loadIcon(options_.iconResource, 32);
    small = loadIcon(options_.iconResource, 16);
  }
  // The window lets go of the old icons before they are destroyed.
  SendMessageA(hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big.get()));
  SendMessageA(hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small.get()));
  impl_->bigIcon = std::move(big);
  impl_->smallIcon = std::move(small);
}

graphics::Rect Form::screenBounds() const {
  RECT r{};
  if (impl_->window) GetWindowRect(impl_->window.get(), &r);
  return {r.left, r.top, r.right, r.bottom};
}

bool Form::shown() const {
  return impl_->shown;
}

void Form::show() {
  const HWND hwnd = impl_->window.get();
  if (!hwnd) return;
  if (!impl_->shown) {
    RECT r;
    GetWindowRect(hwnd, &r);
    const int w = r.right - r.left;
    const int h = r.bottom - r.top;
    SetWindowPos(hwnd, nullptr, (GetSystemMetrics(SM_CXSCREEN) - w) / 2,
                 (GetSystemMetrics(SM_CYSCREEN) - h) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    impl_->shown = true;
  }
  ShowWindow(hwnd, SW_SHOWNORMAL);
  UpdateWindow(hwnd);
  runShowHandler();
}

namespace win32 {

Form* formOf(HWND anyWindowOfIt) {
  const HWND root = GetAncestor(anyWindowOfIt, GA_ROOT);
  if (!root) return nullptr;
  char name[64];
  if (!GetClassNameA(root, name, sizeof name) || lstrcmpA(name, kClassName) != 0) return nullptr;
  Form::Impl* impl = implOf(root);
  return impl ? impl->owner : nullptr;
}

}  // namespace win32

WindowHandle Form::window() const {
  return impl_->window.get();
}

}  // namespace toolkit
