#include "platform/form.h"

#include "platform/guarded.h"

namespace platform {

void Form::previewKeyDown(int key, unsigned shift) {
  if (onKeyDown) runGuarded([&] { onKeyDown(key, shift); });
}

}  // namespace platform
