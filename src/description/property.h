#pragma once
#include <any>
#include <array>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

#include "description/enumerators.h"
#include "toolkit/component.h"

namespace description {

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
  std::vector<int> itemLines;  // kBlock: the line each item stands on
};

// A value that does not fit its property; the message says what was wanted.
class ValueError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
  // A fault on one line of a value that spans several (a picture's row).
  ValueError(const std::string& detail, int line) : std::runtime_error(detail), line_(line) {}
  // The line of the fault; 0 when it is the property's own line.
  int line() const { return line_; }

 private:
  int line_ = 0;
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
  virtual toolkit::Component& component(std::string_view name) const = 0;
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
  virtual bool stored(const toolkit::Component& c) const = 0;
  // The stored text of each part (one entry, part empty, for a plain value). `root` is the
  // component the description is of: references must stay inside it.
  virtual std::vector<std::pair<std::string, std::string>> write(const toolkit::Component& c,
                                                                 const toolkit::Component& root) const = 0;
  // Judges one line's value without touching any component; throws ValueError.
  virtual std::any check(std::string_view part, const ValueToken& value,
                         const CheckContext& context) const = 0;
  // Gives a judged value to the component.
  virtual void apply(toolkit::Component& c, const std::any& checked, ApplyContext& context) const = 0;
  // What gives `c` back the value this property has now: a failed load runs it for the root.
  virtual std::function<void()> restorer(toolkit::Component& c) const = 0;

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

// The codec of an enumeration type's property: value properties hold enumerations as their
// ordinals (see Held), so this is the ordinal codec under a name that says what it is for. The
// list is one whose order everyOrdinalInOrder has checked.
template <class E, std::size_t N>
Codec<int> enumCodec(const std::array<Enumerator<E>, N>& enumerators) {
  static_assert(std::is_enum_v<E>);
  std::vector<std::string> names;
  for (const Enumerator<E>& e : enumerators) names.emplace_back(e.name);
  return enumerationCodec(std::move(names));
}

// Every property is owned through the same kind of shared_ptr control block: one per property
// class would bring its own vtable, type name and unwinding tables into the shipped exe.
template <class P, class... Args>
std::shared_ptr<const Property> makeProperty(Args&&... args) {
  std::unique_ptr<const Property> property = std::make_unique<P>(std::forward<Args>(args)...);
  return std::shared_ptr<const Property>(std::move(property));
}

// What a value property of type T holds: enumerations as their ordinals, so that one
// ValueProperty<int> serves every enumeration.
template <class T>
using Held = std::conditional_t<std::is_enum_v<T>, int, T>;

// Accessors are plain function pointers on Component rather than std::function on the class: a
// class table holds dozens of properties, and each std::function, like each class a template
// makes per component class, would bring its own code and type name into the shipped exe.
// Member functions and captureless lambdas become such pointers through these thunks, which take
// the accessor as a template argument.
template <class C, class T, auto Get>
Held<T> readThrough(const toolkit::Component& c) {
  return static_cast<Held<T>>(std::invoke(Get, static_cast<const C&>(c)));
}
template <class C, class T, auto Set>
void writeThrough(toolkit::Component& c, const Held<T>& value) {
  if constexpr (std::is_enum_v<T>) {
    std::invoke(Set, static_cast<C&>(c), static_cast<T>(value));
  } else {
    std::invoke(Set, static_cast<C&>(c), value);
  }
}
template <class C, auto Rule>
bool holdsFor(const toolkit::Component& c) {
  return std::invoke(Rule, static_cast<const C&>(c));
}
using StoringRule = bool (*)(const toolkit::Component&);
// The storing rule given as a template argument, or none (nullptr: always stored when not default).
template <class C, auto Rule>
constexpr StoringRule storingRule() {
  if constexpr (std::is_null_pointer_v<decltype(Rule)>) {
    return nullptr;
  } else {
    return &holdsFor<C, Rule>;
  }
}

// A property that holds one value, read and written through the component's accessors.
// `storedIf`, when given, is the storing rule.
template <class T>
class ValueProperty final : public Property {
 public:
  using Getter = T (*)(const toolkit::Component&);
  using Setter = void (*)(toolkit::Component&, const T&);

  ValueProperty(std::string name, Codec<T> codec, Getter get, Setter set, T def, StoringRule storedIf)
      : Property(std::move(name)),
        codec_(std::move(codec)),
        get_(get),
        set_(set),
        default_(std::move(def)),
        storedIf_(storedIf) {}

  bool stored(const toolkit::Component& c) const override {
    return (!storedIf_ || storedIf_(c)) && !(get_(c) == default_);
  }
  std::vector<std::pair<std::string, std::string>> write(const toolkit::Component& c,
                                                         const toolkit::Component&) const override {
    return {{std::string(), codec_.format(get_(c))}};
  }
  std::any check(std::string_view, const ValueToken& value, const CheckContext&) const override {
    return codec_.parse(value);
  }
  void apply(toolkit::Component& c, const std::any& checked, ApplyContext&) const override {
    set_(c, std::any_cast<const T&>(checked));
  }
  std::function<void()> restorer(toolkit::Component& c) const override {
    // Only a value that changed goes back through its setter, so nothing else is touched.
    return [this, &c, kept = get_(c)] {
      if (!(get_(c) == kept)) set_(c, kept);
    };
  }

 private:
  Codec<T> codec_;
  Getter get_;
  Setter set_;
  T default_;
  StoringRule storedIf_;
};

// Out of line per value type, so that each property's own factory below is only a call.
template <class T>
std::shared_ptr<const Property> makeValueProperty(std::string name, Codec<T> codec,
                                                  typename ValueProperty<T>::Getter get,
                                                  typename ValueProperty<T>::Setter set, T def,
                                                  StoringRule rule) {
  return makeProperty<ValueProperty<T>>(std::move(name), std::move(codec), get, set, std::move(def), rule);
}

// Builds a value property of class C from its accessors, given as template arguments (member
// functions or captureless lambdas), and, when given, its storing rule:
// valueProperty<Form, int, &Form::height, &Form::setHeight>("Height", codec, 0).
template <class C, class T, auto Get, auto Set, auto StoredIf = nullptr>
std::shared_ptr<const Property> valueProperty(std::string name, Codec<Held<T>> codec, T def) {
  return makeValueProperty<Held<T>>(std::move(name), std::move(codec), &readThrough<C, T, Get>,
                                    &writeThrough<C, T, Set>, static_cast<Held<T>>(std::move(def)),
                                    storingRule<C, StoredIf>());
}

// The method a description names for an event; throws ValueError when there is none.
const std::any& namedMethod(const ValueToken& value, const CheckContext& context);
[[noreturn]] void throwUnfittingMethod(const std::string& method);

// An event: stored as the name of the method a description bound to it. The methods a
// description may name come with the loading, each as a std::any holding the event's exact
// function type.
template <class Fn>
class EventProperty final : public Property {
 public:
  using Handler = const Fn& (*)(const toolkit::Component&);
  using Bind = void (*)(toolkit::Component&, const Fn&);

  EventProperty(std::string name, Handler handler, Bind bind)
      : Property(std::move(name)), handler_(handler), bind_(bind) {}

  bool stored(const toolkit::Component& c) const override {
    return static_cast<bool>(handler_(c)) && !c.boundMethod(name()).empty();
  }
  std::vector<std::pair<std::string, std::string>> write(const toolkit::Component& c,
                                                         const toolkit::Component&) const override {
    return {{std::string(), c.boundMethod(name())}};
  }
  std::any check(std::string_view, const ValueToken& value, const CheckContext& context) const override {
    const Fn* fn = std::any_cast<Fn>(&namedMethod(value, context));
    if (!fn) throwUnfittingMethod(value.text);
    return Bound{value.text, *fn};
  }
  void apply(toolkit::Component& c, const std::any& checked, ApplyContext&) const override {
    const auto& bound = std::any_cast<const Bound&>(checked);
    bind_(c, bound.fn);
    c.setBoundMethod(name(), bound.method);
  }
  std::function<void()> restorer(toolkit::Component& c) const override {
    return [this, &c, fn = handler_(c), method = c.boundMethod(name())] {
      bind_(c, fn);
      c.setBoundMethod(name(), method);
    };
  }

 private:
  struct Bound {
    std::string method;
    Fn fn;
  };
  Handler handler_;
  Bind bind_;
};

template <class M>
struct MemberOf;
template <class C, class T>
struct MemberOf<T C::*> {
  using Class = C;
  using Type = T;
};

// An event property for the handler member given as template argument:
// eventProperty<&Timer::onTimer>("OnTimer").
template <auto Member>
std::shared_ptr<const Property> eventProperty(std::string name) {
  using C = typename MemberOf<decltype(Member)>::Class;
  using Fn = typename MemberOf<decltype(Member)>::Type;
  return makeProperty<EventProperty<Fn>>(
      std::move(name),
      +[](const toolkit::Component& c) -> const Fn& { return static_cast<const C&>(c).*Member; },
      +[](toolkit::Component& c, const Fn& fn) { static_cast<C&>(c).*Member = fn; });
}

}  // namespace description
