// Stands for a program that keeps a file open and shares it with no one, until told to let go.
//   hold_file <path> <ready-event> <release-event>
// Signals the ready event once the file is held. Exit code 1: the file could not be opened.
#include <windows.h>

#include "testing/win_handle.h"

int main(int argc, char** argv) {
  using test_support::UniqueHandle;
  if (argc != 4) return 2;
  const UniqueHandle file(
      CreateFileA(argv[1], GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (file.get() == INVALID_HANDLE_VALUE) return 1;
  const UniqueHandle ready(OpenEventA(EVENT_MODIFY_STATE, FALSE, argv[2]));
  const UniqueHandle release(OpenEventA(SYNCHRONIZE, FALSE, argv[3]));
  if (!ready || !release) return 3;
  SetEvent(ready.get());
  WaitForSingleObject(release.get(), INFINITE);
  return 0;
}
