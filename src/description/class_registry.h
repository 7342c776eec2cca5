#pragma once
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <typeindex>
#include <vector>

#include "description/property.h"
#include "toolkit/component.h"

namespace description {

// What a window description knows of one component class: its name, its published properties
// in publication order, how to make one and where it sits.
class ClassInfo {
 public:
  ClassInfo(std::string name, std::vector<std::type_index> kinds)
      : name_(std::move(name)), kinds_(std::move(kinds)) {}

  const std::string& name() const { return name_; }
  // Whether components of this class are of type `type` (the class itself or a base it lists).
  bool is(std::type_index type) const;

  PropertyTable properties;
  // Makes a new component owned by `owner`; empty for a class that is only ever the root.
  std::function<toolkit::Component&(toolkit::Component& owner)> make;
  // The class of what its components sit in (TPanel for a control, say); none for a component
  // that only has an owner, such as a timer, which a description keeps directly in its root.
  const ClassInfo* parentClass = nullptr;
  std::function<void(toolkit::Component& child, toolkit::Component& parent)> setParent;
  std::function<const toolkit::Component*(const toolkit::Component&)> parentOf;

  const Property* property(std::string_view name) const;
  // Index in publication order; properties.size() when there is none.
  std::size_t indexOf(const Property& property) const;
  // Whether this class is `other` or derives from it.
  bool derivesFrom(const ClassInfo& other) const;

 private:
  friend class ClassRegistry;
  std::string name_;
  std::vector<std::type_index> kinds_;
  const ClassInfo* base_ = nullptr;  // not owned: a class of the same registry
};

// The classes that window descriptions may name.
class ClassRegistry {
 public:
  // Adds class T under `name`; a component of it is also each of the listed bases.
  template <class T, class... Bases>
  ClassInfo& add(std::string name) {
    return add(std::move(name), {std::type_index(typeid(T)), std::type_index(typeid(Bases))...});
  }
  // Adds T as a class derived from a registered one: it has the base's properties and place, and
  // is made only as a root.
  template <class T>
  ClassInfo& derive(std::string name, std::string_view baseName) {
    return derive(std::move(name), std::type_index(typeid(T)), baseName);
  }

  const ClassInfo* find(std::string_view name) const;
  // The class of that very component (not of a base); null when it is not registered.
  const ClassInfo* classOf(const toolkit::Component& c) const;

 private:
  ClassInfo& add(std::string name, std::vector<std::type_index> kinds);
  ClassInfo& derive(std::string name, std::type_index type, std::string_view baseName);

  std::vector<std::unique_ptr<ClassInfo>> classes_;
};

// make for a class whose constructor takes only the owner.
template <class T>
toolkit::Component& makeOwned(toolkit::Component& owner) {
  return owner.own<T>();
}

}  // namespace description
