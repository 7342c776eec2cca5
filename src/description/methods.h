// Inline helpers only: the table of methods a window class offers its description.
#pragma once
#include <any>
#include <map>
#include <string>
#include <string_view>

namespace description {

// The methods a window description may bind to events, by name: what the window class offers.
// Each is kept with its exact function type (NotifyEvent, KeyEvent, ...); an event takes only a
// method of its own type.
class Methods {
 public:
  template <class Fn>
  void add(std::string name, Fn fn) {
    table_.insert_or_assign(std::move(name), std::any(std::move(fn)));
  }
  const std::any* find(std::string_view name) const {
    const auto it = table_.find(name);
    return it == table_.end() ? nullptr : &it->second;
  }

 private:
  std::map<std::string, std::any, std::less<>> table_;
};

}  // namespace description
