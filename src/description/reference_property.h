#pragma once
#include <functional>
#include <memory>
#include <string>
#include <typeindex>

#include "description/class_registry.h"
#include "description/property.h"

namespace description {

// The name `c` stores for its reference to `target`, which must be the description's root or
// one of its components; throws otherwise.
std::string referenceName(const toolkit::Component& c, const toolkit::Component& target,
                          const toolkit::Component& root);
// Judges a reference's value: the name of a component of the description whose class is of
// type `wanted`. Throws ValueError.
std::string checkReference(const ValueToken& value, const CheckContext& context, std::type_index wanted);

// A reference to another component of the same description, stored by that component's name.
// The name is checked with the rest of the description (it must name a component of a fitting
// class) and resolved once all of it has been read, so a reference may point forward.
template <class T>
class ReferenceProperty final : public Property {
 public:
  // Plain function pointers, as for value properties (see property.h).
  using Getter = T* (*)(const toolkit::Component&);
  using Setter = void (*)(toolkit::Component&, T*);

  ReferenceProperty(std::string name, Getter get, Setter set)
      : Property(std::move(name)), get_(get), set_(set) {}

  bool stored(const toolkit::Component& c) const override { return get_(c) != nullptr; }
  std::vector<std::pair<std::string, std::string>> write(const toolkit::Component& c,
                                                         const toolkit::Component& root) const override {
    return {{std::string(), referenceName(c, *get_(c), root)}};
  }
  std::any check(std::string_view, const ValueToken& value, const CheckContext& context) const override {
    return checkReference(value, context, std::type_index(typeid(T)));
  }
  void apply(toolkit::Component& c, const std::any& checked, ApplyContext& context) const override {
    context.afterAll([this, &c, &context, target = std::any_cast<const std::string&>(checked)] {
      set_(c, dynamic_cast<T*>(&context.component(target)));
    });
  }
  std::function<void()> restorer(toolkit::Component& c) const override {
    return [this, &c, kept = get_(c)] {
      if (get_(c) != kept) set_(c, kept);
    };
  }

 private:
  Getter get_;
  Setter set_;
};

// The accessors of class C as template arguments, as for valueProperty.
template <class C, class T, auto Get, auto Set>
std::shared_ptr<const Property> referenceProperty(std::string name) {
  return makeProperty<ReferenceProperty<T>>(
      std::move(name),
      +[](const toolkit::Component& c) -> T* { return std::invoke(Get, static_cast<const C&>(c)); },
      +[](toolkit::Component& c, T* target) { std::invoke(Set, static_cast<C&>(c), target); });
}

}  // namespace description
