// Installs its own payload resource but stops once `limit` bytes of the new file are written,
// signals the ready event and waits to be killed: a run cut off by a crash or a power loss.
//   interrupted_install <target> <ready-event> <limit>
#include <windows.h>

#include <cstdlib>

#include "platform/files.h"
#include "testing/win_handle.h"
#include "testing/write_fault.h"
#include "updater/payload_writer.h"

int main(int argc, char** argv) {
  if (argc != 4) return 2;
  const test_support::UniqueHandle ready(OpenEventA(EVENT_MODIFY_STATE, FALSE, argv[2]));
  if (!ready) return 3;
  const auto limit = std::strtoull(argv[3], nullptr, 10);
  test_support::injectWriteFault(limit, test_support::WriteFaultKind::kFail, [&] {
    SetEvent(ready.get());
    Sleep(INFINITE);
  });
  // Reaching this line means the write never got as far as the limit.
  return updater::ExtractPayload("Exe", "UpGrade", argv[1]) ? 0 : 1;
}
