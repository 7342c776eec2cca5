#include "toolkit/component.h"

#include <algorithm>
#include <utility>

namespace toolkit {

Component::~Component() {
  freeComponents();
  unlinkAll();
}

void Component::freeComponents() {
  destroying_ = true;
  while (!owned_.empty()) owned_.pop_back();
}

Component* Component::findComponent(std::string_view name) const {
  for (const auto& c : owned_) {
    if (c->name() == name) return c.get();
  }
  return nullptr;
}

void Component::freeComponent(const Component& component) {
  const auto it =
      std::find_if(owned_.begin(), owned_.end(), [&](const auto& c) { return c.get() == &component; });
  if (it == owned_.end()) return;
  const std::unique_ptr<Component> going = std::move(*it);  // out of the list before it goes
  owned_.erase(it);
}

std::string Component::boundMethod(std::string_view event) const {
  const auto it = boundMethods_.find(event);
  return it == boundMethods_.end() ? std::string() : it->second;
}

void Component::setBoundMethod(std::string_view event, std::string_view method) {
  if (method.empty()) {
    if (const auto it = boundMethods_.find(event); it != boundMethods_.end()) boundMethods_.erase(it);
  } else {
    boundMethods_.insert_or_assign(std::string(event), std::string(method));
  }
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

}  // namespace toolkit
