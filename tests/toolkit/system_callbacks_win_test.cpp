// Every kind of function that the system calls, with an exception thrown through it: a window
// procedure, a timer procedure, a window enumeration's callback, a worker thread's entry and each
// method of the accessible server. The exception reaches the error report and the program goes
// on; none unwinds into the system's code, which the shipped 32-bit build could not survive.
#include <oleacc.h>
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "testing/child_process.h"
#include "testing/plain_control.h"
#include "testing/report_boxes_win.h"
#include "toolkit/application.h"
#include "toolkit/form.h"
#include "toolkit/panel.h"
#include "toolkit/thread.h"
#include "toolkit/win32/accessible_server.h"
#include "toolkit/win32/ole_libraries.h"
#include "toolkit/win32/toolkit.h"

namespace toolkit {
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

// The out-parameters of one call: each starts cleared, and is filled with rubbish as it is
// handed to the call, so that afterwards every one must be cleared again.
class Outs {
 public:
  BSTR* text(int i = 0) { return rubbish(texts_[i], reinterpret_cast<BSTR>(0x10)); }
  IDispatch** object() { return rubbish(object_, reinterpret_cast<IDispatch*>(0x10)); }
  LONG* number(int i = 0) { return rubbish(numbers_[i], LONG{77}); }
  VARIANT* variant() {
    variant_.vt = VT_I4;
    variant_.lVal = 77;
    return &variant_;
  }
  bool cleared() const {
    return !texts_[0] && !texts_[1] && !object_ && variant_.vt == VT_EMPTY &&
           std::all_of(std::begin(numbers_), std::end(numbers_), [](LONG n) { return n == 0; });
  }

 private:
  template <class T>
  static T* rubbish(T& field, T value) {
    field = value;
    return &field;
  }
  BSTR texts_[2] = {};
  IDispatch* object_ = nullptr;
  LONG numbers_[4] = {};
  VARIANT variant_{};  // VT_EMPTY
};

// The server's first child: the panel's control.
VARIANT control() {
  VARIANT v{};
  v.vt = VT_I4;
  v.lVal = 1;
  return v;
}

struct ServerCall {
  const char* method;
  HRESULT (*call)(IAccessible&, Outs&);
};

// Every method that asks for its host, and so can fail in the middle.
constexpr ServerCall kMethodsThatAskTheirHost[] = {
    {"get_accParent", [](IAccessible& a, Outs& o) { return a.get_accParent(o.object()); }},
    {"get_accChildCount", [](IAccessible& a, Outs& o) { return a.get_accChildCount(o.number()); }},
    {"get_accChild", [](IAccessible& a, Outs& o) { return a.get_accChild(control(), o.object()); }},
    {"get_accName", [](IAccessible& a, Outs& o) { return a.get_accName(control(), o.text()); }},
    {"get_accValue", [](IAccessible& a, Outs& o) { return a.get_accValue(control(), o.text()); }},
    {"get_accDescription", [](IAccessible& a, Outs& o) { return a.get_accDescription(control(), o.text()); }},
    {"get_accHelp", [](IAccessible& a, Outs& o) { return a.get_accHelp(control(), o.text()); }},
    {"get_accKeyboardShortcut",
     [](IAccessible& a, Outs& o) { return a.get_accKeyboardShortcut(control(), o.text()); }},
    {"get_accDefaultAction",
     [](IAccessible& a, Outs& o) { return a.get_accDefaultAction(control(), o.text()); }},
    {"get_accRole", [](IAccessible& a, Outs& o) { return a.get_accRole(control(), o.variant()); }},
    {"get_accState", [](IAccessible& a, Outs& o) { return a.get_accState(control(), o.variant()); }},
    {"get_accHelpTopic",
     [](IAccessible& a, Outs& o) { return a.get_accHelpTopic(o.text(1), control(), o.number()); }},
    {"get_accFocus", [](IAccessible& a, Outs& o) { return a.get_accFocus(o.variant()); }},
    {"get_accSelection", [](IAccessible& a, Outs& o) { return a.get_accSelection(o.variant()); }},
    {"accSelect", [](IAccessible& a, Outs&) { return a.accSelect(SELFLAG_TAKEFOCUS, control()); }},
    {"accLocation",
     [](IAccessible& a, Outs& o) {
       return a.accLocation(o.number(0), o.number(1), o.number(2), o.number(3), control());
     }},
    {"accNavigate",
     [](IAccessible& a, Outs& o) { return a.accNavigate(NAVDIR_NEXT, control(), o.variant()); }},
    {"accHitTest", [](IAccessible& a, Outs& o) { return a.accHitTest(5, 5, o.variant()); }},
    {"accDoDefaultAction", [](IAccessible& a, Outs&) { return a.accDoDefaultAction(control()); }},
};

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
  for (const ServerCall& c : kMethodsThatAskTheirHost) {
    Outs outs;
    HRESULT hr = S_OK;
    bool escaped = false;
    try {
      hr = c.call(*server, outs);
    } catch (...) {
      escaped = true;
    }
    EXPECT_FALSE(escaped) << c.method;
    EXPECT_EQ(hr, E_FAIL) << c.method;
    EXPECT_TRUE(outs.cleared()) << c.method;
    EXPECT_EQ(boxes.take(), Texts{"Host lookup failed."}) << c.method;
  }
}

TEST_F(AccessibleServerFailures, AServerWhoseWindowHasGoneAnswersNotConnectedAndClearsWhatItGivesBack) {
  lookedUpHost = nullptr;
  for (const ServerCall& c : kMethodsThatAskTheirHost) {
    Outs outs;
    EXPECT_EQ(c.call(*server, outs), CO_E_OBJNOTCONNECTED) << c.method;
    EXPECT_TRUE(outs.cleared()) << c.method;
  }
  ITypeInfo* info = reinterpret_cast<ITypeInfo*>(0x10);
  EXPECT_EQ(server->GetTypeInfo(0, 0, &info), E_NOTIMPL);
  EXPECT_EQ(info, nullptr);
  VARIANT result{};
  result.vt = VT_I4;
  EXCEPINFO exception{};
  exception.wCode = 7;
  UINT badArgument = 3;
  DISPPARAMS none{};
  EXPECT_EQ(server->Invoke(0, IID_NULL, 0, DISPATCH_METHOD, &none, &result, &exception, &badArgument),
            E_NOTIMPL);
  EXPECT_EQ(result.vt, VT_EMPTY);
  EXPECT_EQ(exception.wCode, 0);
  EXPECT_EQ(badArgument, 0u);
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
}  // namespace toolkit
