#include "toolkit/win32/accessible_server.h"

#include <oleacc.h>
#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "toolkit/graphic_control.h"
#include "toolkit/guarded.h"
#include "toolkit/win32/ole_libraries.h"

namespace toolkit::win32 {
namespace {

// One reference to a COM object, released with it.
template <class T>
class ComRef {
 public:
  ComRef() = default;
  explicit ComRef(T* adopted) : p_(adopted) {}
  ComRef(ComRef&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
  ComRef(const ComRef&) = delete;
  ComRef& operator=(const ComRef&) = delete;
  ~ComRef() {
    if (p_) p_->Release();
  }
  T* get() const { return p_; }
  T** out() { return &p_; }

 private:
  T* p_ = nullptr;
};

std::vector<HWND> childWindows(HWND hwnd) {
  std::vector<HWND> children;
  for (HWND c = GetWindow(hwnd, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) children.push_back(c);
  return children;
}

HRESULT putText(const OleLibraries& ole, const std::string& text, BSTR* out) {
  *out = nullptr;
  if (text.empty()) return S_FALSE;
  const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
  *out = ole.sysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
  return *out ? S_OK : E_OUTOFMEMORY;
}

void putChildId(VARIANT* out, LONG id) {
  out->vt = VT_I4;
  out->lVal = id;
}

// What a failed call leaves in an out-parameter: nothing that the caller could use or free.
template <class T>
void clearOut(T** out) {
  if (out) *out = nullptr;
}
void clearOut(VARIANT* out) {
  if (out) out->vt = VT_EMPTY;
}
void clearOut(LONG* out) {
  if (out) *out = 0;
}
void clearOut(UINT* out) {
  if (out) *out = 0;
}
void clearOut(EXCEPINFO* out) {
  if (out) *out = EXCEPINFO{};
}

// The body of a method that a client calls through COM, which no exception may leave: one that
// does is reported and the call fails. A failed call clears the out-parameters given after the
// body, whatever the body or the standard object it asked left in them.
template <class Body, class... Outs>
HRESULT serve(Body&& body, Outs*... outs) noexcept {
  HRESULT hr = E_FAIL;
  runGuarded([&] { hr = body(); });
  if (FAILED(hr)) (clearOut(outs), ...);
  return hr;
}

LONG roleOf(AccessibleRole role) {
  switch (role) {
    case AccessibleRole::kPushButton:
      return ROLE_SYSTEM_PUSHBUTTON;
    case AccessibleRole::kGraphic:
      break;
  }
  return ROLE_SYSTEM_GRAPHIC;
}

LONG systemStateOf(unsigned state) {
  LONG s = 0;
  if (state & accessible_state::kUnavailable) s |= STATE_SYSTEM_UNAVAILABLE;
  if (state & accessible_state::kPressed) s |= STATE_SYSTEM_PRESSED;
  if (state & accessible_state::kHot) s |= STATE_SYSTEM_HOTTRACKED;
  if (state & accessible_state::kInvisible) s |= STATE_SYSTEM_INVISIBLE;
  return s;
}

// The client object of a host window. Requests about the object itself go to the system's
// standard client object, which knows the window; this adds the graphic controls (children
// 1..n) and the child windows after them. It lives on the window's thread, as its callers'
// requests arrive there through the apartment's message loop.
// COM interfaces have no virtual destructor: the object deletes itself in Release.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
class HostAccessible final : public IAccessible {
 public:
  HostAccessible(const OleLibraries& ole, HWND hwnd, HostOfWindow hostOf, ComRef<IAccessible>&& standard)
      : ole_(ole), hwnd_(hwnd), hostOf_(hostOf), standard_(std::move(standard)) {}

  // IUnknown. Counting references cannot fail.
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) noexcept override {
    return serve(
        [&]() -> HRESULT {
          if (!out) return E_POINTER;
          if (iid != __uuidof(IUnknown) && iid != __uuidof(IDispatch) && iid != __uuidof(IAccessible))
            return E_NOINTERFACE;
          *out = static_cast<IAccessible*>(this);
          AddRef();
          return S_OK;
        },
        out);
  }
  ULONG STDMETHODCALLTYPE AddRef() noexcept override {
    return static_cast<ULONG>(InterlockedIncrement(&refs_));
  }
  ULONG STDMETHODCALLTYPE Release() noexcept override {
    const LONG left = InterlockedDecrement(&refs_);
    if (left == 0) delete this;  // COM's reference count owns the object
    return static_cast<ULONG>(left);
  }

  // IDispatch: clients use the vtable; there is no type information to script against.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) noexcept override {
    return serve([&]() -> HRESULT {
      if (!count) return E_POINTER;
      *count = 0;
      return S_OK;
    });
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** out) noexcept override {
    return serve([] { return E_NOTIMPL; }, out);
  }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT count, LCID,
                                          DISPID* ids) noexcept override {
    return serve([&] {
      for (UINT i = 0; ids && i < count; ++i) ids[i] = DISPID_UNKNOWN;
      return E_NOTIMPL;
    });
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT* result,
                                   EXCEPINFO* exception, UINT* badArgument) noexcept override {
    return serve([] { return E_NOTIMPL; }, result, exception, badArgument);
  }

  // IAccessible
  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** out) noexcept override {
    return serve(
        [&]() -> HRESULT {
          if (!out) return E_POINTER;
          *out = nullptr;
          if (!host()) return CO_E_OBJNOTCONNECTED;
          return standard_.get()->get_accParent(out);
        },
        out);
  }
  HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* out) noexcept override {
    return serve(
        [&]() -> HRESULT {
          if (!out) return E_POINTER;
          const ControlHost* const h = host();
          if (!h) return CO_E_OBJNOTCONNECTED;
          *out = static_cast<LONG>(h->controls().size() + childWindows(hwnd_).size());
          return S_OK;
        },
        out);
  }
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** out) noexcept override {
    return serve(
        [&]() -> HRESULT {
          if (!out) return E_POINTER;
          *out = nullptr;
          const ControlHost* const h = host();
          if (!h) return CO_E_OBJNOTCONNECTED;
          if (child.vt != VT_I4) return E_INVALIDARG;
          if (accessibleChild(*h, child.lVal)) return S_FALSE;  // a simple element, described here
          const HWND window = childWindow(*h, child.lVal);
          if (!window) return E_INVALIDARG;
          return ole_.accessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_WINDOW),
                                                 __uuidof(IDispatch), reinterpret_cast<void**>(out));
        },
        out);
  }
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* out) noexcept override {
    return text(child, out, &IAccessible::get_accName, accessibleName);
  }
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* out) noexcept override {
    return text(child, out, &IAccessible::get_accValue, nullptr);
  }
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* out) noexcept override {
    return text(child, out, &IAccessible::get_accDescription, accessibleDescription);
  }
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* out) noexcept override {
    return text(child, out, &IAccessible::get_accHelp, nullptr);
  }
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* out) noexcept override {
    return text(child, out, &IAccessible::get_accKeyboardShortcut, accessibleShortcut);
  }
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* out) noexcept override {
    return text(child, out, &IAccessible::get_accDefaultAction, accessibleDefaultAction);
  }
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* out) noexcept override {
    return serve(
        [&]() -> HRESULT {
          if (!out) return E_POINTER;
          out->vt = VT_EMPTY;
          const ControlHost* const h = host();
          if (!h) return CO_E_OBJNOTCONNECTED;
          if (isSelf(child)) return standard_.get()->get_accRole(child, out);
          const GraphicControl* const c = control(*h, child);
          if (!c) return E_INVALIDARG;
          putChildId(out, roleOf(c->accessibleRole()));
          return S_OK;
        },
        out);
  }
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* out) noexcept override {
    return serve(
        [&]() -> HRESULT {
          if (!out) return E_POINTER;
          out->vt = VT_EMPTY;
          const ControlHost* const h = host();
          if (!h) return CO_E_OBJNOTCONNECTED;
          if (isSelf(child)) return standard_.get()->get_accState(child, out);
          const GraphicControl* const c = control(*h, child);
          if (!c) return E_INVALIDARG;
          putChildId(out, systemStateOf(accessibleState(*c)));
          return S_OK;
        },
        out);
  }
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) noexcept override {
    return serve(
        [&]() -> HRESULT {
          if (!host()) return CO_E_OBJNOTCONNECTED;
          if (isSelf(child)) return standard_.get()->get_accHelpTopic(file, child, topic);
          return DISP_E_MEMBERNOTFOUND;
        },
        file, topic);
  }
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* out) noexcept override {
    // The controls never take the focus: whatever has it is the window's or a child window's.
    return serve(
        [&]() -> HRESULT {
          if (!host()) return CO_E_OBJNOTCONNECTED;
          return standard_.get()->get_accFocus(out);
        },
        out);
  }
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* out) noexcept override {
    return serve(
        [&]() -> HRESULT {
          if (!host()) return CO_E_OBJNOTCONNECTED;
          return standard_.get()->get_accSelection(out);
        },
        out);
  }
  HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) noexcept override {
    return serve([&]() -> HRESULT {
      if (!host()) return CO_E_OBJNOTCONNECTED;
      if (isSelf(child)) return standard_.get()->accSelect(flags, child);
      return DISP_E_MEMBERNOTFOUND;
    });
  }
  HRESULT STDMETHODCALLTYPE accLocation(LONG* x, LONG* y, LONG* w, LONG* h, VARIANT child) noexcept override {
    return serve(
        [&]() -> HRESULT {
          if (!x || !y || !w || !h) return E_POINTER;
          const ControlHost* const host_ = host();
          if (!host_) return CO_E_OBJNOTCONNECTED;
          if (isSelf(child)) return standard_.get()->accLocation(x, y, w, h, child);
          const GraphicControl* const c = control(*host_, child);
          if (!c) return E_INVALIDARG;
          const graphics::Rect r = accessibleLocation(*c);
          *x = r.left;
          *y = r.top;
          *w = r.width();
          *h = r.height();
          return S_OK;
        },
        x, y, w, h);
  }
  HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* out) noexcept override {
    return serve(
        [&]() -> HRESULT {
          if (!out) return E_POINTER;
          out->vt = VT_EMPTY;
          const ControlHost* const h = host();
          if (!h) return CO_E_OBJNOTCONNECTED;
          const LONG count = static_cast<LONG>(h->controls().size() + childWindows(hwnd_).size());
          LONG target = 0;
          if (isSelf(start)) {
            if (direction == NAVDIR_FIRSTCHILD)
              target = 1;
            else if (direction == NAVDIR_LASTCHILD)
              target = count;
            else
              return standard_.get()->accNavigate(direction, start, out);
          } else {
            if (start.vt != VT_I4 || start.lVal < 1 || start.lVal > count) return E_INVALIDARG;
            if (direction == NAVDIR_NEXT)
              target = start.lVal + 1;
            else if (direction == NAVDIR_PREVIOUS)
              target = start.lVal - 1;
            else
              return S_FALSE;
          }
          if (target < 1 || target > count) return S_FALSE;
          return putChild(*h, target, out);
        },
        out);
  }
  HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* out) noexcept override {
    return serve(
        [&]() -> HRESULT {
          if (!out) return E_POINTER;
          out->vt = VT_EMPTY;
          const ControlHost* const h = host();
          if (!h) return CO_E_OBJNOTCONNECTED;
          // A child window lies above the controls painted on its parent.
          const HRESULT standard = standard_.get()->accHitTest(x, y, out);
          if (SUCCEEDED(standard) && out->vt == VT_DISPATCH) return standard;
          if (const GraphicControl* const c =
                  accessibleChildAt(*h, {static_cast<int>(x), static_cast<int>(y)})) {
            putChildId(out, accessibleChildId(*h, *c));
            return S_OK;
          }
          return standard;
        },
        out);
  }
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) noexcept override {
    return serve([&]() -> HRESULT {
      const ControlHost* const h = host();
      if (!h) return CO_E_OBJNOTCONNECTED;
      if (isSelf(child)) return standard_.get()->accDoDefaultAction(child);
      GraphicControl* const c = control(*h, child);
      if (!c) return E_INVALIDARG;
      if (accessibleDefaultAction(*c).empty()) return DISP_E_MEMBERNOTFOUND;
      // Refused while the control is disabled or hidden, or a modal dialog disables its window.
      return doAccessibleDefaultAction(*c) ? S_OK : E_FAIL;
    });
  }
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) noexcept override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) noexcept override { return E_NOTIMPL; }

 private:
  ~HostAccessible() = default;

  ControlHost* host() const { return IsWindow(hwnd_) ? hostOf_(hwnd_) : nullptr; }
  static bool isSelf(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }
  static GraphicControl* control(const ControlHost& h, const VARIANT& child) {
    return child.vt == VT_I4 ? accessibleChild(h, child.lVal) : nullptr;
  }
  HWND childWindow(const ControlHost& h, LONG childId) const {
    const LONG index = childId - static_cast<LONG>(h.controls().size()) - 1;
    const std::vector<HWND> windows = childWindows(hwnd_);
    return index >= 0 && index < static_cast<LONG>(windows.size()) ? windows[static_cast<std::size_t>(index)]
                                                                   : nullptr;
  }
  HRESULT putChild(const ControlHost& h, LONG childId, VARIANT* out) const {
    if (accessibleChild(h, childId)) {
      putChildId(out, childId);
      return S_OK;
    }
    const HWND window = childWindow(h, childId);
    if (!window) return S_FALSE;
    IDispatch* object = nullptr;
    const HRESULT hr = ole_.accessibleObjectFromWindow(
        window, static_cast<DWORD>(OBJID_WINDOW), __uuidof(IDispatch), reinterpret_cast<void**>(&object));
    if (FAILED(hr)) return hr;
    out->vt = VT_DISPATCH;
    out->pdispVal = object;  // the caller's reference now
    return S_OK;
  }

  using StandardText = HRESULT (STDMETHODCALLTYPE IAccessible::*)(VARIANT, BSTR*);
  using OwnText = std::string (*)(const GraphicControl&);
  // A text property: the object itself from the standard object, a control's from `own`
  // (none: the property does not apply to the controls).
  HRESULT text(const VARIANT& child, BSTR* out, StandardText standard, OwnText own) const noexcept {
    return serve(
        [&]() -> HRESULT {
          if (!out) return E_POINTER;
          *out = nullptr;
          const ControlHost* const h = host();
          if (!h) return CO_E_OBJNOTCONNECTED;
          if (isSelf(child)) return (standard_.get()->*standard)(child, out);
          const GraphicControl* const c = control(*h, child);
          if (!c) return E_INVALIDARG;
          if (!own) return DISP_E_MEMBERNOTFOUND;
          return putText(ole_, own(*c), out);
        },
        out);
  }

  const OleLibraries& ole_;
  HWND hwnd_;
  HostOfWindow hostOf_;
  ComRef<IAccessible> standard_;
  LONG refs_ = 1;
};
#pragma GCC diagnostic pop

}  // namespace

LRESULT answerGetObject(HWND hwnd, WPARAM wParam, LPARAM lParam, HostOfWindow hostOf) {
  const OleLibraries* const ole = oleLibraries();
  if (static_cast<DWORD>(lParam) != static_cast<DWORD>(OBJID_CLIENT) || !ole || !hostOf(hwnd))
    return DefWindowProcA(hwnd, WM_GETOBJECT, wParam, lParam);
  // The answer is marshalled to the client through COM, which needs an apartment on this
  // thread: the window's own, kept for the life of the program. A thread already in another
  // kind of apartment cannot serve the client's calls: the window answers as one without a
  // server of its own.
  const HRESULT apartment = ole->coInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  if (apartment != S_OK && apartment != S_FALSE) return DefWindowProcA(hwnd, WM_GETOBJECT, wParam, lParam);
  ComRef<IAccessible> standard;
  if (FAILED(ole->createStdAccessibleObject(hwnd, OBJID_CLIENT, __uuidof(IAccessible),
                                            reinterpret_cast<void**>(standard.out()))))
    return DefWindowProcA(hwnd, WM_GETOBJECT, wParam, lParam);
  const ComRef<IAccessible> server(new HostAccessible(*ole, hwnd, hostOf, std::move(standard)));
  return ole->lresultFromObject(__uuidof(IAccessible), wParam, server.get());
}

namespace {

DWORD eventOf(AccessibleChange change) {
  switch (change) {
    case AccessibleChange::kName:
      return EVENT_OBJECT_NAMECHANGE;
    case AccessibleChange::kState:
      break;
    case AccessibleChange::kLocation:
      return EVENT_OBJECT_LOCATIONCHANGE;
    case AccessibleChange::kShown:
      return EVENT_OBJECT_SHOW;
    case AccessibleChange::kHidden:
      return EVENT_OBJECT_HIDE;
    case AccessibleChange::kReorder:
      return EVENT_OBJECT_REORDER;
  }
  return EVENT_OBJECT_STATECHANGE;
}

}  // namespace

void notifyAccessibleChange(HWND hwnd, int objectId, AccessibleChange change) {
  if (objectId < 0) return;
  NotifyWinEvent(eventOf(change), hwnd, OBJID_CLIENT, objectId == 0 ? CHILDID_SELF : objectId);
}

}  // namespace toolkit::win32
