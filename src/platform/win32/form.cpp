#include "platform/form.h"

#include <windows.h>

#include <stdexcept>

#include "platform/application.h"
#include "platform/guarded.h"
#include "platform/win32/toolkit.h"

namespace platform {

struct Form::Impl {
  Form* owner = nullptr;
  // The window holds the brush and the icons until it is gone, so it is declared after them and
  // destroyed first.
  win32::UniqueBrush background;
  win32::UniqueIcon bigIcon;
  win32::UniqueIcon smallIcon;
  win32::UniqueWindow window;
  HWND focusTarget = nullptr;
  bool shown = false;
  bool endsApplication = false;
};

namespace {

constexpr char kClassName[] = "UpTK294QForm";
bool mainFormMade = false;

Form::Impl* implOf(HWND hwnd) {
  return win32::windowData<Form::Impl>(hwnd);
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
      if (impl->focusTarget) SetFocus(impl->focusTarget);
      return 0;
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

}  // namespace

Form::Form(const FormOptions& options, Component* owner)
    : Component(owner), options_(options), impl_(std::make_unique<Impl>()) {
  impl_->owner = this;
  impl_->endsApplication = !mainFormMade;
  mainFormMade = true;
  impl_->background.reset(CreateSolidBrush(win32::toColorRef(options.color)));
  if (!options.iconResource.empty()) {
    const char* name = options.iconResource.c_str();
    impl_->bigIcon.reset(static_cast<HICON>(LoadImageA(win32::instance(), name, IMAGE_ICON, 32, 32, 0)));
    impl_->smallIcon.reset(static_cast<HICON>(LoadImageA(win32::instance(), name, IMAGE_ICON, 16, 16, 0)));
  }
  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
  const DWORD exStyle =
      (options.stayOnTop ? WS_EX_TOPMOST : 0) | (options.backgroundSeeThrough ? WS_EX_LAYERED : 0);
  RECT r{0, 0, options.clientWidth, options.clientHeight};
  AdjustWindowRectEx(&r, style, FALSE, exStyle);
  const HWND hwnd = CreateWindowExA(
      exStyle, win32::registerClass(kClassName, win32::guardedWindowProc<handleMessage>, 0, nullptr),
      options.caption.c_str(), style, CW_USEDEFAULT, CW_USEDEFAULT, r.right - r.left, r.bottom - r.top,
      nullptr, nullptr, win32::instance(), impl_.get());
  if (!hwnd) throw std::runtime_error("Cannot create the window");
  impl_->window.reset(hwnd);
  if (options.backgroundSeeThrough) {
    SetLayeredWindowAttributes(hwnd, win32::toColorRef(options.color), 0, LWA_COLORKEY);
  }
  if (impl_->bigIcon)
    SendMessageA(hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(impl_->bigIcon.get()));
  if (impl_->smallIcon)
    SendMessageA(hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(impl_->smallIcon.get()));
}

Form::~Form() {
  if (impl_->window) {
    impl_->endsApplication = false;  // destroyed by its owner, not closed by the user
    SetWindowLongPtrA(impl_->window.get(), GWLP_USERDATA, 0);
  }
}

void Form::setCaption(std::string_view caption) {
  if (impl_->window) SetWindowTextA(impl_->window.get(), std::string(caption).c_str());
}

std::string Form::caption() const {
  return impl_->window ? win32::windowText(impl_->window.get()) : std::string();
}

Rect Form::screenBounds() const {
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
  runGuarded(onShow);
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

void setFocusTarget(Form& form, HWND window) {
  form.impl().focusTarget = window;
}

HWND windowOf(const Form& form) {
  return form.impl().window.get();
}

}  // namespace win32
}  // namespace platform
