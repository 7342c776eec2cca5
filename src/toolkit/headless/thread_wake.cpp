#include "toolkit/thread_handoff.h"

// The headless event loop has no message queue to post to: processMessages() and run() take
// the handed-over calls straight from the queue, and run() waits on it.
namespace toolkit::handoff {

void prepareWake() {}

bool wake() {
  return false;
}

}  // namespace toolkit::handoff
