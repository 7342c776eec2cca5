#include "accessible_client.h"

#include <oleacc.h>

#include <memory>

namespace driver {
namespace {

// COM for the calling thread while one request lasts.
class ComScope {
 public:
  ComScope() : ok_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
  ComScope(const ComScope&) = delete;
  ComScope& operator=(const ComScope&) = delete;
  ~ComScope() {
    if (ok_) CoUninitialize();
  }

 private:
  bool ok_;
};

struct Releaser {
  void operator()(IUnknown* p) const { p->Release(); }
};
template <class T>
using ComPtr = std::unique_ptr<T, Releaser>;

ComPtr<IAccessible> clientObject(HWND window) {
  IAccessible* object = nullptr;
  // The interface's GUID by __uuidof: the import library's IID_IAccessible is a thunk under MinGW.
  if (FAILED(AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                        reinterpret_cast<void**>(&object))))
    return nullptr;
  return ComPtr<IAccessible>(object);
}

VARIANT childVariant(long id) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_I4;
  v.lVal = id;
  return v;
}

std::string narrow(BSTR text) {
  if (!text) return {};
  const int wide = static_cast<int>(SysStringLen(text));
  const int length = WideCharToMultiByte(CP_ACP, 0, text, wide, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_ACP, 0, text, wide, out.data(), length, nullptr, nullptr);
  SysFreeString(text);
  return out;
}

template <class Getter>
std::string textOf(IAccessible& object, long id, Getter getter) {
  BSTR text = nullptr;
  if ((object.*getter)(childVariant(id), &text) != S_OK) {
    SysFreeString(text);
    return {};
  }
  return narrow(text);
}

long numberOf(IAccessible& object, long id,
              HRESULT (STDMETHODCALLTYPE IAccessible::*getter)(VARIANT, VARIANT*)) {
  VARIANT value;
  VariantInit(&value);
  const HRESULT hr = (object.*getter)(childVariant(id), &value);
  const long n = SUCCEEDED(hr) && value.vt == VT_I4 ? value.lVal : 0;
  VariantClear(&value);
  return n;
}

AccessibleItem describe(IAccessible& object, long id) {
  AccessibleItem item;
  item.name = textOf(object, id, &IAccessible::get_accName);
  item.role = numberOf(object, id, &IAccessible::get_accRole);
  item.state = numberOf(object, id, &IAccessible::get_accState);
  item.shortcut = textOf(object, id, &IAccessible::get_accKeyboardShortcut);
  item.description = textOf(object, id, &IAccessible::get_accDescription);
  item.defaultAction = textOf(object, id, &IAccessible::get_accDefaultAction);
  LONG x = 0, y = 0, w = 0, h = 0;
  if (SUCCEEDED(object.accLocation(&x, &y, &w, &h, childVariant(id)))) item.location = {x, y, x + w, y + h};
  return item;
}

}  // namespace

std::vector<AccessibleItem> accessibleChildren(HWND window) {
  const ComScope com;
  const auto parent = clientObject(window);
  if (!parent) return {};
  LONG count = 0;
  if (FAILED(parent->get_accChildCount(&count)) || count <= 0) return {};
  std::vector<VARIANT> children(static_cast<std::size_t>(count));
  LONG got = 0;
  if (FAILED(AccessibleChildren(parent.get(), 0, count, children.data(), &got))) return {};
  std::vector<AccessibleItem> items;
  for (LONG i = 0; i < got; ++i) {
    VARIANT& child = children[static_cast<std::size_t>(i)];
    if (child.vt == VT_I4) {
      items.push_back(describe(*parent, child.lVal));
    } else if (child.vt == VT_DISPATCH && child.pdispVal) {
      IAccessible* own = nullptr;
      if (SUCCEEDED(child.pdispVal->QueryInterface(__uuidof(IAccessible), reinterpret_cast<void**>(&own)))) {
        const ComPtr<IAccessible> object(own);
        items.push_back(describe(*object, CHILDID_SELF));
        items.back().ownObject = true;
      }
    }
    VariantClear(&child);
  }
  return items;
}

long accessibleChildAt(HWND window, POINT screen) {
  const ComScope com;
  const auto parent = clientObject(window);
  if (!parent) return -1;
  VARIANT hit;
  VariantInit(&hit);
  if (FAILED(parent->accHitTest(screen.x, screen.y, &hit))) return -1;
  const long id = hit.vt == VT_I4 ? hit.lVal : -1;
  VariantClear(&hit);
  return id;
}

HRESULT doAccessibleDefaultAction(HWND window, const std::string& name) {
  const ComScope com;
  const auto parent = clientObject(window);
  if (!parent) return E_FAIL;
  LONG count = 0;
  if (FAILED(parent->get_accChildCount(&count))) return E_FAIL;
  for (long id = 1; id <= count; ++id) {
    if (textOf(*parent, id, &IAccessible::get_accName) == name)
      return parent->accDoDefaultAction(childVariant(id));
  }
  return E_INVALIDARG;
}

}  // namespace driver
