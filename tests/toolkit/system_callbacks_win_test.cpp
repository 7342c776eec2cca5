// Every kind of function that the system calls, with an exception thrown through it: a window
// procedure, a timer procedure, a window enumeration's callback, a worker thread's entry and each
// method of the accessible server. The exception reaches the error report and the program goes
// on; none unwinds into the system's code, which the shipped 32-bit build could not survive.
#include <oleacc.h>
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "plain_control.h"
#include "report_boxes_win.h"
#include "support/child_process.h"
#include "toolkit/application.h"
#include "toolkit/form.h"
#include "toolkit/panel.h"
#include "toolkit/thread.h"
#include "toolkit/win32/accessible_server.h"
#include "toolkit/win32/ole_libraries.h"
#include "toolkit/win32/toolkit.h"

namespace platform {
namespace {

using test_support::ReportBoxes;
using Texts = std::vector<std::string>;

LRESULT throwingMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_APP + 7) throw std::runtime_error("Window handler failed");
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

int visited = 0;
bool throwingVisit(HWND, LPARAM) {
  ++visited;
  throw std::runtime_error("Enumeration failed");
}

void throwingTick(UINT_PTR id) {
  KillTimer(nullptr, id);
  throw std::runtime_error("Timer failed");
}

static_assert(noexcept(win32::guardedWindowProc<throwingMessage>(nullptr, 0, 0, 0)));
static_assert(noexcept(win32::guardedTimerProc<throwingTick>(nullptr, 0, 0, 0)));
static_assert(noexcept(win32::guardedEnumProc<throwingVisit>(nullptr, 0)));

// A top-level window of a class of its own, destroyed with the object.
class TestWindow {
 public:
  TestWindow(const char* className, WNDPROC proc) {
    hwnd_ = CreateWindowExA(0, win32::registerClass(className, proc, 0, nullptr), "", WS_OVERLAPPEDWINDOW, 0,
                            0, 100, 100, nullptr, nullptr, win32::instance(), nullptr);
  }
  TestWindow(const TestWindow&) = delete;
  TestWindow& operator=(const TestWindow&) = delete;
  ~TestWindow() { DestroyWindow(hwnd_); }
  HWND get() const { return hwnd_; }

 private:
  HWND hwnd_;
};

FormOptions smallForm() {
  FormOptions o;
  o.clientWidth = 100;
  o.clientHeight = 100;
  return o;
}

class SystemCallbacks : public ::testing::Test {
 protected:
  void SetUp() override { application::setTitle("System callbacks"); }
};

TEST_F(SystemCallbacks, AWindowProcedureReportsAndAnswersAsHandled) {
  const TestWindow window("SystemCallbacksThrowing", win32::guardedWindowProc<throwingMessage>);
  ASSERT_NE(window.get(), nullptr);
  ReportBoxes boxes;
  LRESULT sent = -1;
  EXPECT_NO_THROW(sent = SendMessageA(window.get(), WM_APP + 7, 0, 0));
  EXPECT_EQ(sent, 0);
  PostMessageA(window.get(), WM_APP + 7, 0, 0);  // dispatched by the event loop this time
  EXPECT_NO_THROW(application::processMessages());
  EXPECT_EQ(boxes.take(), (Texts{"Window handler failed.", "Window handler failed."}));
}

TEST_F(SystemCallbacks, ATimerProcedureReportsAndTheLoopGoesOn) {
  ReportBoxes boxes;
  ASSERT_NE(SetTimer(nullptr, 0, 1, win32::guardedTimerProc<throwingTick>), 0u);
  const ULONGLONG giveUp = GetTickCount64() + 10000;
  Texts seen;
  while (seen.empty() && GetTickCount64() < giveUp) {
    EXPECT_NO_THROW(application::processMessages());
    seen = boxes.take();
    Sleep(1);
  }
  EXPECT_EQ(seen, Texts{"Timer failed."});
}

TEST_F(SystemCallbacks, AnEnumerationCallbackReportsAndEndsTheEnumeration) {
  Form form(smallForm());
  const Panel first(form, {0, 0, 50, 50}, 0);
  const Panel second(form, {50, 0, 100, 50}, 0);
  ReportBoxes boxes;
  visited = 0;
  EXPECT_NO_THROW(EnumChildWindows(win32::windowOf(form), win32::guardedEnumProc<throwingVisit>, 0));
  EXPECT_EQ(visited, 1);
  EXPECT_EQ(boxes.take(), Texts{"Enumeration failed."});
}

TEST_F(SystemCallbacks, AWorkersEntryHandsWhatItsBodyThrowsToTheReport) {
  ReportBoxes boxes;
  Thread failing([](ThreadContext&) { throw std::runtime_error("Worker failed"); });
  failing.resume();
  EXPECT_NO_THROW(failing.waitFor());
  EXPECT_EQ(boxes.take(), Texts{"Worker failed."});
}

// The accessible server of a window that finds its host through this lookup, which fails when
// told to, as any step of a method might.
ControlHost* lookedUpHost = nullptr;
bool lookupFails = false;
ControlHost* lookUpHost(HWND) {
  if (lookupFails) throw std::runtime_error("Host lookup failed");
  return lookedUpHost;
}
LRESULT serverMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_GETOBJECT) return win32::answerGetObject(hwnd, wParam, lParam, lookUpHost);
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

VARIANT childVariant(LONG id) {
  VARIANT v{};
  v.vt = VT_I4;
  v.lVal = id;
  return v;
}

// One call of a method with its out-parameters filled with rubbish first; true in `cleared` when
// the call left none of it behind.
struct ServerCall {
  const char* method;
  std::function<HRESULT(IAccessible&, bool& cleared)> call;
};

const BSTR kRubbishText = reinterpret_cast<BSTR>(0x10);
IDispatch* const kRubbishObject = reinterpret_cast<IDispatch*>(0x10);
constexpr LONG kRubbish = 77;

VARIANT rubbishVariant() {
  return childVariant(kRubbish);
}
bool isEmpty(const VARIANT& v) {
  return v.vt == VT_EMPTY;
}

template <class Getter>
ServerCall textCall(const char* method, Getter getter) {
  return {method, [getter](IAccessible& a, bool& cleared) {
            BSTR out = kRubbishText;
            const HRESULT hr = (a.*getter)(childVariant(1), &out);
            cleared = out == nullptr;
            return hr;
          }};
}

template <class Getter>
ServerCall variantCall(const char* method, Getter getter) {
  return {method, [getter](IAccessible& a, bool& cleared) {
            VARIANT out = rubbishVariant();
            const HRESULT hr = getter(a, &out);
            cleared = isEmpty(out);
            return hr;
          }};
}

std::vector<ServerCall> everyMethodThatAsksItsHost() {
  return {
      {"get_accParent",
       [](IAccessible& a, bool& cleared) {
         IDispatch* out = kRubbishObject;
         const HRESULT hr = a.get_accParent(&out);
         cleared = out == nullptr;
         return hr;
       }},
      {"get_accChildCount",
       [](IAccessible& a, bool& cleared) {
         LONG out = kRubbish;
         const HRESULT hr = a.get_accChildCount(&out);
         cleared = out == 0;
         return hr;
       }},
      {"get_accChild",
       [](IAccessible& a, bool& cleared) {
         IDispatch* out = kRubbishObject;
         const HRESULT hr = a.get_accChild(childVariant(1), &out);
         cleared = out == nullptr;
         return hr;
       }},
      textCall("get_accName", &IAccessible::get_accName),
      textCall("get_accValue", &IAccessible::get_accValue),
      textCall("get_accDescription", &IAccessible::get_accDescription),
      textCall("get_accHelp", &IAccessible::get_accHelp),
      textCall("get_accKeyboardShortcut", &IAccessible::get_accKeyboardShortcut),
      textCall("get_accDefaultAction", &IAccessible::get_accDefaultAction),
      variantCall("get_accRole",
                  [](IAccessible& a, VARIANT* out) { return a.get_accRole(childVariant(1), out); }),
      variantCall("get_accState",
                  [](IAccessible& a, VARIANT* out) { return a.get_accState(childVariant(1), out); }),
      {"get_accHelpTopic",
       [](IAccessible& a, bool& cleared) {
         BSTR file = kRubbishText;
         LONG topic = kRubbish;
         const HRESULT hr = a.get_accHelpTopic(&file, childVariant(1), &topic);
         cleared = file == nullptr && topic == 0;
         return hr;
       }},
      variantCall("get_accFocus", [](IAccessible& a, VARIANT* out) { return a.get_accFocus(out); }),
      variantCall("get_accSelection", [](IAccessible& a, VARIANT* out) { return a.get_accSelection(out); }),
      {"accSelect",
       [](IAccessible& a, bool& cleared) {
         cleared = true;  // nothing comes back
         return a.accSelect(SELFLAG_TAKEFOCUS, childVariant(1));
       }},
      {"accLocation",
       [](IAccessible& a, bool& cleared) {
         LONG x = kRubbish, y = kRubbish, w = kRubbish, h = kRubbish;
         const HRESULT hr = a.accLocation(&x, &y, &w, &h, childVariant(1));
         cleared = x == 0 && y == 0 && w == 0 && h == 0;
         return hr;
       }},
      variantCall(
          "accNavigate",
          [](IAccessible& a, VARIANT* out) { return a.accNavigate(NAVDIR_NEXT, childVariant(1), out); }),
      variantCall("accHitTest", [](IAccessible& a, VARIANT* out) { return a.accHitTest(5, 5, out); }),
      {"accDoDefaultAction",
       [](IAccessible& a, bool& cleared) {
         cleared = true;
         return a.accDoDefaultAction(childVariant(1));
       }},
  };
}

class AccessibleServerFailures : public SystemCallbacks {
 protected:
  void SetUp() override {
    SystemCallbacks::SetUp();
    ASSERT_NE(win32::oleLibraries(), nullptr);
    panel.own<testing::PlainControl>().setParent(&panel);
    lookedUpHost = &panel;
    lookupFails = false;
    ASSERT_NE(window.get(), nullptr);
    ASSERT_EQ(win32::oleLibraries()->accessibleObjectFromWindow(
                  window.get(), static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                  reinterpret_cast<void**>(&server)),
              S_OK);
  }
  void TearDown() override {
    if (server) server->Release();
    lookedUpHost = nullptr;
    lookupFails = false;
  }

  Form form{smallForm()};
  Panel panel{form, {0, 0, 100, 100}, 0};
  const TestWindow window{"SystemCallbacksServer", win32::guardedWindowProc<serverMessage>};
  IAccessible* server = nullptr;  // the client's reference, released in TearDown
};

TEST_F(AccessibleServerFailures, AThrowingStepIsReportedFailsTheCallAndClearsWhatItGivesBack) {
  ReportBoxes boxes;
  lookupFails = true;
  for (const ServerCall& c : everyMethodThatAsksItsHost()) {
    bool cleared = false;
    HRESULT hr = S_OK;
    bool escaped = false;
    try {
      hr = c.call(*server, cleared);
    } catch (...) {
      escaped = true;
    }
    EXPECT_FALSE(escaped) << c.method;
    EXPECT_EQ(hr, E_FAIL) << c.method;
    EXPECT_TRUE(cleared) << c.method;
    EXPECT_EQ(boxes.take(), Texts{"Host lookup failed."}) << c.method;
  }
}

TEST_F(AccessibleServerFailures, AServerWhoseWindowHasGoneAnswersNotConnectedAndClearsWhatItGivesBack) {
  lookedUpHost = nullptr;
  for (const ServerCall& c : everyMethodThatAsksItsHost()) {
    bool cleared = false;
    EXPECT_EQ(c.call(*server, cleared), CO_E_OBJNOTCONNECTED) << c.method;
    EXPECT_TRUE(cleared) << c.method;
  }
  ITypeInfo* info = reinterpret_cast<ITypeInfo*>(0x10);
  EXPECT_EQ(server->GetTypeInfo(0, 0, &info), E_NOTIMPL);
  EXPECT_EQ(info, nullptr);
}

TEST_F(SystemCallbacks, AWindowOnAThreadWhoseApartmentCannotServeClientsAnswersWithoutAServer) {
  Form form{smallForm()};
  Panel panel{form, {0, 0, 100, 100}, 0};
  lookedUpHost = &panel;
  LRESULT answer = -1;
  HRESULT apartment = E_FAIL;
  std::thread([&] {
    apartment = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    const TestWindow window("SystemCallbacksServer", win32::guardedWindowProc<serverMessage>);
    answer = SendMessageA(window.get(), WM_GETOBJECT, 0, static_cast<LPARAM>(OBJID_CLIENT));
    if (SUCCEEDED(apartment)) CoUninitialize();
  }).join();
  lookedUpHost = nullptr;
  ASSERT_EQ(apartment, S_OK);
  EXPECT_EQ(answer, 0) << "as DefWindowProc answers";
}

TEST(AccessibilityLibraries, StayLoadedUntilTheProcessEnds) {
  test_support::ChildProcess helper("ole_libraries_kept", "");
  ASSERT_TRUE(helper.started());
  EXPECT_EQ(helper.waitExit(), 0) << "1: never reached the end, 2: not loaded, 3: freed before the end";
}

}  // namespace
}  // namespace platform
