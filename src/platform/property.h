#pragma once
#include <any>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/component.h"

namespace platform {

class ClassInfo;

// One value of a window description as the reader found it, before any property judged it.
struct ValueToken {
  enum class Kind {
    kNumber,     // -12
    kHexNumber,  // $001B5655: `text` holds the digits
    kText,       // 'It''s'#13#10: `text` holds the bytes
    kName,       // bsModern, True, Button1Click
    kSet,        // [fsBold, fsItalic]: `items` holds the names
    kBlock,      // { 2 1 FFFFFF 000000 }: `items` holds the words
  };
  Kind kind = Kind::kName;
  std::string text;
  std::vector<std::string> items;
};

// A value that does not fit its property; the message says what was wanted.
class ValueError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// What judging a value may ask about the rest of the description.
class CheckContext {
 public:
  virtual ~CheckContext() = default;
  // The method of that name that events may be bound to; null when there is none.
  virtual const std::any* method(std::string_view name) const = 0;
  // The class of the description's component of that name; null when there is none.
  virtual const ClassInfo* componentClass(std::string_view name) const = 0;
};

// What giving a value to a component may need.
class ApplyContext {
 public:
  virtual ~ApplyContext() = default;
  // Runs `step` once the whole description has been read: references are resolved then.
  virtual void afterAll(std::function<void()> step) = 0;
  // The description's component of that name (the root included).
  virtual Component& component(std::string_view name) const = 0;
};

// One published property of a component class: how a description stores it and how loading
// gives it back. A property may have parts (a font's Name, Height, ...), each on a line of its
// own as "Font.Name = ...".
class Property {
 public:
  explicit Property(std::string name) : name_(std::move(name)) {}
  Property(const Property&) = delete;
  Property& operator=(const Property&) = delete;
  virtual ~Property() = default;

  const std::string& name() const { return name_; }
  // The names of the parts, in the order they are stored; none for a plain value.
  virtual std::vector<std::string_view> parts() const { return {}; }

  // Whether a description of `c` holds this property: its storing rule allows it and its value
  // differs from the default.
  virtual bool stored(const Component& c) const = 0;
  // The stored text of each part (one entry, part empty, for a plain value). `root` is the
  // component the description is of: references must stay inside it.
  virtual std::vector<std::pair<std::string, std::string>> write(const Component& c,
                                                                 const Component& root) const = 0;
  // Judges one line's value without touching any component; throws ValueError.
  virtual std::any check(std::string_view part, const ValueToken& value,
                         const CheckContext& context) const = 0;
  // Gives a judged value to the component.
  virtual void apply(Component& c, const std::any& checked, ApplyContext& context) const = 0;

 private:
  std::string name_;
};

using PropertyTable = std::vector<std::shared_ptr<const Property>>;

// How values of one type are written and read.
template <class T>
struct Codec {
  std::function<std::string(const T&)> format;
  std::function<T(const ValueToken&)> parse;
};

Codec<int> integerCodec(int min, int max);
Codec<unsigned> unsignedCodec();
Codec<bool> booleanCodec();
Codec<std::string> textCodec();
Codec<std::uint32_t> colorCodec();
// An enumeration whose ordinals are the positions of `names`.
Codec<int> enumerationCodec(std::vector<std::string> names);
// A set of bits: names[i] stands for bit i.
Codec<unsigned> setCodec(std::vector<std::string> names);

template <class E>
Codec<E> enumCodec(std::vector<std::string> names) {
  const Codec<int> ordinal = enumerationCodec(std::move(names));
  return {[ordinal](const E& e) { return ordinal.format(static_cast<int>(e)); },
          [ordinal](const ValueToken& t) { return static_cast<E>(ordinal.parse(t)); }};
}

// A property that holds one value, read and written through the component's accessors. The
// default may depend on the component (on its owner, for instance); `storedIf`, when given, is
// the storing rule.
template <class C, class T>
class ValueProperty final : public Property {
 public:
  using Getter = std::function<T(const C&)>;
  using Setter = std::function<void(C&, const T&)>;
  using Default = std::function<T(const C&)>;
  using StoredIf = std::function<bool(const C&)>;

  ValueProperty(std::string name, Codec<T> codec, Getter get, Setter set, Default def, StoredIf storedIf)
      : Property(std::move(name)),
        codec_(std::move(codec)),
        get_(std::move(get)),
        set_(std::move(set)),
        default_(std::move(def)),
        storedIf_(std::move(storedIf)) {}

  bool stored(const Component& c) const override {
    const C& self = static_cast<const C&>(c);
    return (!storedIf_ || storedIf_(self)) && !(get_(self) == default_(self));
  }
  std::vector<std::pair<std::string, std::string>> write(const Component& c,
                                                         const Component&) const override {
    return {{std::string(), codec_.format(get_(static_cast<const C&>(c)))}};
  }
  std::any check(std::string_view, const ValueToken& value, const CheckContext&) const override {
    return codec_.parse(value);
  }
  void apply(Component& c, const std::any& checked, ApplyContext&) const override {
    set_(static_cast<C&>(c), std::any_cast<const T&>(checked));
  }

 private:
  Codec<T> codec_;
  Getter get_;
  Setter set_;
  Default default_;
  StoredIf storedIf_;
};

// Builds a value property from accessors (member function pointers or callables).
template <class C, class T, class Get, class Set>
std::shared_ptr<const Property> valueProperty(std::string name, Codec<T> codec, Get get, Set set, T def,
                                              std::function<bool(const C&)> storedIf = {}) {
  return std::make_shared<ValueProperty<C, T>>(
      std::move(name), std::move(codec), [get](const C& c) -> T { return std::invoke(get, c); },
      [set](C& c, const T& v) { std::invoke(set, c, v); }, [def](const C&) { return def; },
      std::move(storedIf));
}

// An event: stored as the name of the method a description bound to it. The methods a
// description may name come with the loading, each as a std::any holding the event's exact
// function type.
template <class C, class Fn>
class EventProperty final : public Property {
 public:
  EventProperty(std::string name, Fn C::*member) : Property(std::move(name)), member_(member) {}

  bool stored(const Component& c) const override {
    return static_cast<bool>(static_cast<const C&>(c).*member_) && !c.boundMethod(name()).empty();
  }
  std::vector<std::pair<std::string, std::string>> write(const Component& c,
                                                         const Component&) const override {
    return {{std::string(), c.boundMethod(name())}};
  }
  std::any check(std::string_view, const ValueToken& value, const CheckContext& context) const override {
    if (value.kind != ValueToken::Kind::kName) throw ValueError("a method name is wanted");
    const std::any* method = context.method(value.text);
    if (!method) throw ValueError("there is no method '" + value.text + "'");
    const Fn* fn = std::any_cast<Fn>(method);
    if (!fn) throw ValueError("method '" + value.text + "' does not fit this event");
    return Bound{value.text, *fn};
  }
  void apply(Component& c, const std::any& checked, ApplyContext&) const override {
    const auto& bound = std::any_cast<const Bound&>(checked);
    static_cast<C&>(c).*member_ = bound.fn;
    c.setBoundMethod(name(), bound.method);
  }

 private:
  struct Bound {
    std::string method;
    Fn fn;
  };
  Fn C::*member_;
};

template <class C, class Fn>
std::shared_ptr<const Property> eventProperty(std::string name, Fn C::*member) {
  return std::make_shared<EventProperty<C, Fn>>(std::move(name), member);
}

}  // namespace platform
