#include "platform/component.h"

namespace platform {

Component::~Component() {
  destroying_ = true;
  while (!owned_.empty()) owned_.pop_back();
}

void Component::endLoading() {
  if (!loading_) return;
  loading_ = false;
  loaded();
}

}  // namespace platform
