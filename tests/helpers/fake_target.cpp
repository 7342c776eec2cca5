// Stands for the running target application: a program that does nothing until it is ended.
//   fake_target <ready-event>
// Signals the ready event once it runs, so that its executable is known to be in use.
#include <windows.h>

#include "testing/win_handle.h"

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  const test_support::UniqueHandle ready(OpenEventA(EVENT_MODIFY_STATE, FALSE, argv[1]));
  if (!ready) return 3;
  SetEvent(ready.get());
  Sleep(INFINITE);
  return 0;
}
