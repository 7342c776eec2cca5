#include "platform/component.h"

#include <algorithm>
#include <utility>

namespace platform {

Component::~Component() {
  destroying_ = true;
  while (!owned_.empty()) owned_.pop_back();
  unlinkAll();
}

void Component::endLoading() {
  if (!loading_) return;
  loading_ = false;
  loaded();
}

void Component::freeNotification(Component& other) {
  if (&other == this || std::find(linked_.begin(), linked_.end(), &other) != linked_.end()) return;
  linked_.push_back(&other);
  other.linked_.push_back(this);
}

void Component::removeFreeNotification(Component& other) {
  std::erase(linked_, &other);
  std::erase(other.linked_, this);
}

void Component::unlinkAll() {
  destroying_ = true;
  // One at a time: a notified component may unlink others meanwhile.
  while (!linked_.empty()) {
    Component* const other = linked_.back();
    removeFreeNotification(*other);
    other->removed(*this);
  }
}

}  // namespace platform
