#include "accessible_events.h"

#include <oleacc.h>

#include <algorithm>
#include <utility>

namespace driver {
namespace {

HWND listenedWindow = nullptr;
std::vector<AccessibleEvent> heard;

// Called by the system, from this thread's message loop.
void CALLBACK onEvent(HWINEVENTHOOK, DWORD event, HWND hwnd, LONG object, LONG child, DWORD, DWORD) noexcept {
  if (hwnd != listenedWindow || object != OBJID_CLIENT) return;
  try {
    heard.push_back({event, child});
  } catch (...) {  // nothing may unwind into the system; a lost event fails the test that waits
  }
}

void pumpFor(DWORD milliseconds) {
  const ULONGLONG end = GetTickCount64() + milliseconds;
  do {
    MSG m;
    while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&m);
    Sleep(5);
  } while (GetTickCount64() < end);
}

}  // namespace

AccessibleEventListener::AccessibleEventListener(DWORD processId, HWND window) {
  listenedWindow = window;
  heard.clear();
  hook_ = SetWinEventHook(EVENT_OBJECT_SHOW, EVENT_OBJECT_NAMECHANGE, nullptr, onEvent, processId, 0,
                          WINEVENT_OUTOFCONTEXT);
}

AccessibleEventListener::~AccessibleEventListener() {
  if (hook_) UnhookWinEvent(hook_);
  listenedWindow = nullptr;
  heard.clear();
}

bool AccessibleEventListener::waitFor(DWORD event, LONG child, DWORD timeoutMs) {
  const AccessibleEvent wanted{event, child};
  const ULONGLONG end = GetTickCount64() + timeoutMs;
  for (;;) {
    if (std::find(heard.begin(), heard.end(), wanted) != heard.end()) return true;
    if (GetTickCount64() >= end) return false;
    pumpFor(10);
  }
}

std::vector<AccessibleEvent> AccessibleEventListener::take(DWORD settleMs) {
  pumpFor(settleMs);
  return std::exchange(heard, {});
}

}  // namespace driver
