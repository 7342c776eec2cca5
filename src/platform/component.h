#pragma once
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// The root of everything a window is built from: a name, an owner and a state. The owner is the
// component that frees this one; components made through own() are freed by it, in reverse order
// of making, when it goes.
class Component {
 public:
  explicit Component(Component* owner) : owner_(owner) {}
  Component(const Component&) = delete;
  Component& operator=(const Component&) = delete;
  virtual ~Component();

  Component* owner() const { return owner_; }
  const std::string& name() const { return name_; }
  void setName(std::string_view name) { name_ = name; }

  // Makes a component that this one owns and frees.
  template <class T, class... Args>
  T& own(Args&&... args) {
    auto made = std::make_unique<T>(this, std::forward<Args>(args)...);
    T& result = *made;
    owned_.push_back(std::move(made));
    return result;
  }
  const std::vector<std::unique_ptr<Component>>& ownedComponents() const { return owned_; }

  // The component state: being read from a window description, shown in a designer, going.
  bool loading() const { return loading_; }
  bool designing() const { return designing_; }
  bool destroying() const { return destroying_; }
  void setDesigning(bool on) { designing_ = on; }
  void beginLoading() { loading_ = true; }
  // Ends loading; then the component catches up on what it skipped meanwhile.
  void endLoading();

 protected:
  // The first steps of a destructor that must not be disturbed by what it tears down.
  void markDestroying() { destroying_ = true; }
  virtual void loaded() {}

 private:
  Component* owner_;
  std::string name_;
  std::vector<std::unique_ptr<Component>> owned_;
  bool loading_ = false;
  bool designing_ = false;
  bool destroying_ = false;
};

}  // namespace platform
