#pragma once
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace toolkit {

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
  // The owned component of that name, if any.
  Component* findComponent(std::string_view name) const;
  // The owned component of that name as a T; throws std::runtime_error when there is none.
  template <class T>
  T& componentNamed(std::string_view name) const {
    auto* found = dynamic_cast<T*>(findComponent(name));
    if (!found)
      throw std::runtime_error("'" + name_ + "' has no component '" + std::string(name) + "' of that kind");
    return *found;
  }
  // Frees one owned component now; one this component does not own is left alone.
  void freeComponent(const Component& component);

  // The method a window description bound to one of this component's events, by event name;
  // empty when none was. Code that assigns the event itself leaves this alone.
  std::string boundMethod(std::string_view event) const;
  void setBoundMethod(std::string_view event, std::string_view method);

  // Links this component with one it refers to, or that refers to it, so that each is told
  // through removed() when the other goes, whichever goes first. One link per pair: linking
  // again changes nothing, and unlinking ends it.
  void freeNotification(Component& other);
  void removeFreeNotification(Component& other);

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
  // Frees the owned components now, in reverse order of making: for a destructor whose own
  // members those components still use.
  void freeComponents();
  virtual void loaded() {}
  // `gone` is going: drop every reference to it. Compare its address only; what it was beyond
  // the class that sent the notice is already torn down.
  virtual void removed(Component& gone) { (void)gone; }
  // Tells every linked component that this one goes. A class that others refer to calls it first
  // in its destructor, so that they may still compare their references with this object as that
  // class; the base calls it again, finding nothing left to tell.
  void unlinkAll();

 private:
  Component* owner_;  // not owned: the owner owns this component
  std::string name_;
  std::vector<std::unique_ptr<Component>> owned_;
  std::vector<Component*> linked_;  // not owned; each of them links back
  std::map<std::string, std::string, std::less<>> boundMethods_;
  bool loading_ = false;
  bool designing_ = false;
  bool destroying_ = false;
};

}  // namespace toolkit
