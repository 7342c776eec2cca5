#pragma once
#include <windows.h>

#include <ostream>
#include <vector>

namespace driver {

// An event that a window's accessible object raised, as an assistive tool hears it.
struct AccessibleEvent {
  DWORD event = 0;
  LONG child = 0;  // CHILDID_SELF for the client object itself
  bool operator==(const AccessibleEvent&) const = default;
};

// "0x800a child 1", for a readable failure.
inline void PrintTo(const AccessibleEvent& e, std::ostream* out) {
  *out << std::hex << "0x" << e.event << std::dec << " child " << e.child;
}

// Listens, from this process, to the accessibility events of another process's window, as a
// screen reader does: through an out-of-context hook, whose events reach this thread while it
// waits here. One listener at a time.
class AccessibleEventListener {
 public:
  // The events from EVENT_OBJECT_SHOW to EVENT_OBJECT_NAMECHANGE about the client object of
  // `window` and its children.
  AccessibleEventListener(DWORD processId, HWND window);
  AccessibleEventListener(const AccessibleEventListener&) = delete;
  AccessibleEventListener& operator=(const AccessibleEventListener&) = delete;
  ~AccessibleEventListener();

  bool listening() const { return hook_ != nullptr; }
  // Waits, taking in what arrives, until `event` has been heard for `child`; false when it did not
  // come within the time.
  bool waitFor(DWORD event, LONG child, DWORD timeoutMs);
  // What was heard since the last call, in order, after waiting `settleMs` for stragglers.
  std::vector<AccessibleEvent> take(DWORD settleMs = 200);

 private:
  HWINEVENTHOOK hook_ = nullptr;
};

}  // namespace driver
