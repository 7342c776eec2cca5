#pragma once
#include <functional>
#include <memory>
#include <string>
#include <typeindex>

#include "platform/class_registry.h"
#include "platform/property.h"

namespace platform {

// A reference to another component of the same description, stored by that component's name.
// The name is checked with the rest of the description (it must name a component of a fitting
// class) and resolved once all of it has been read, so a reference may point forward.
template <class C, class T>
class ReferenceProperty final : public Property {
 public:
  using Getter = std::function<T*(const C&)>;
  using Setter = std::function<void(C&, T*)>;

  ReferenceProperty(std::string name, Getter get, Setter set)
      : Property(std::move(name)), get_(std::move(get)), set_(std::move(set)) {}

  bool stored(const Component& c) const override { return get_(static_cast<const C&>(c)) != nullptr; }
  std::vector<std::pair<std::string, std::string>> write(const Component& c,
                                                         const Component& root) const override {
    const Component* target = get_(static_cast<const C&>(c));
    if (target != &root && target->owner() != &root) {
      throw std::runtime_error("'" + c.name() + "' refers to '" + target->name() +
                               "', which is not part of the description");
    }
    return {{std::string(), target->name()}};
  }
  std::any check(std::string_view, const ValueToken& value, const CheckContext& context) const override {
    if (value.kind != ValueToken::Kind::kName) throw ValueError("a component name is wanted");
    const ClassInfo* target = context.componentClass(value.text);
    if (!target) throw ValueError("there is no component '" + value.text + "'");
    if (!target->is(std::type_index(typeid(T)))) {
      throw ValueError("'" + value.text + "' is a " + target->name() +
                       ", which this property cannot refer to");
    }
    return value.text;
  }
  void apply(Component& c, const std::any& checked, ApplyContext& context) const override {
    context.afterAll([this, &c, &context, target = std::any_cast<const std::string&>(checked)] {
      set_(static_cast<C&>(c), dynamic_cast<T*>(&context.component(target)));
    });
  }

 private:
  Getter get_;
  Setter set_;
};

template <class C, class T, class Get, class Set>
std::shared_ptr<const Property> referenceProperty(std::string name, Get get, Set set) {
  return std::make_shared<ReferenceProperty<C, T>>(
      std::move(name), [get](const C& c) -> T* { return std::invoke(get, c); },
      [set](C& c, T* target) { std::invoke(set, c, target); });
}

}  // namespace platform
