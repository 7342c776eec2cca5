#include "description/class_registry.h"

#include <algorithm>
#include <stdexcept>

namespace description {

bool ClassInfo::is(std::type_index type) const {
  if (type == std::type_index(typeid(toolkit::Component))) return true;  // every class is one
  for (const ClassInfo* c = this; c; c = c->base_) {
    if (std::find(c->kinds_.begin(), c->kinds_.end(), type) != c->kinds_.end()) return true;
  }
  return false;
}

const Property* ClassInfo::property(std::string_view name) const {
  for (const auto& p : properties) {
    if (p->name() == name) return p.get();
  }
  return nullptr;
}

std::size_t ClassInfo::indexOf(const Property& property) const {
  const auto it =
      std::find_if(properties.begin(), properties.end(), [&](const auto& p) { return p.get() == &property; });
  return static_cast<std::size_t>(it - properties.begin());
}

bool ClassInfo::derivesFrom(const ClassInfo& other) const {
  for (const ClassInfo* c = this; c; c = c->base_) {
    if (c == &other) return true;
  }
  return false;
}

ClassInfo& ClassRegistry::add(std::string name, std::vector<std::type_index> kinds) {
  if (find(name)) throw std::logic_error("Class '" + name + "' is registered twice");
  classes_.push_back(std::make_unique<ClassInfo>(std::move(name), std::move(kinds)));
  return *classes_.back();
}

ClassInfo& ClassRegistry::derive(std::string name, std::type_index type, std::string_view baseName) {
  const ClassInfo* base = find(baseName);
  if (!base) throw std::logic_error("Class '" + std::string(baseName) + "' is not registered");
  ClassInfo& info = add(std::move(name), {type});
  info.base_ = base;
  info.properties = base->properties;
  info.parentClass = base->parentClass;
  info.setParent = base->setParent;
  info.parentOf = base->parentOf;
  return info;
}

const ClassInfo* ClassRegistry::find(std::string_view name) const {
  for (const auto& c : classes_) {
    if (c->name() == name) return c.get();
  }
  return nullptr;
}

const ClassInfo* ClassRegistry::classOf(const toolkit::Component& c) const {
  const std::type_index type(typeid(c));
  for (const auto& info : classes_) {
    if (info->kinds_.front() == type) return info.get();
  }
  return nullptr;
}

}  // namespace description
