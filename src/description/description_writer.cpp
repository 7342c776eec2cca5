// Storing a window description: the root, then each component it owns inside its parent.
#include "description/description_writer.h"

#include <map>
#include <stdexcept>

#include "description/description_syntax.h"
#include "platform/ascii_case.h"

namespace description {
namespace {

class Writer {
 public:
  Writer(const toolkit::Component& root, const ClassRegistry& classes) : root_(root), classes_(classes) {
    // Only what the reader takes back is written, and that is checked before anything is.
    std::map<std::string_view, const toolkit::Component*, platform::CaseBlindLess> names;
    const auto checkName = [&](const toolkit::Component& c) {
      if (c.name().empty()) {
        const ClassInfo* info = classes_.classOf(c);
        throw std::runtime_error("A " + (info ? info->name() : std::string("component")) +
                                 " without a name cannot be stored");
      }
      if (!isDescriptionName(c.name())) {
        throw std::runtime_error(
            "'" + c.name() + "' cannot be stored: a name is a letter or '_', then letters, digits and '_'");
      }
      const auto [taken, fresh] = names.emplace(c.name(), &c);
      if (!fresh) {
        throw std::runtime_error("'" + c.name() + "' cannot be stored beside '" + taken->second->name() +
                                 "': names must differ in more than letter case");
      }
    };
    checkName(root);
    for (const auto& owned : root.ownedComponents()) checkName(*owned);
    for (const auto& owned : root.ownedComponents()) {
      const toolkit::Component* parent = parentOf(*owned);
      if (parent != &root_ && parent->owner() != &root_) {
        throw std::runtime_error("'" + owned->name() + "' sits in '" + parent->name() +
                                 "', which is not part of the description");
      }
    }
  }

  std::string write() {
    block(root_, "");
    return out_;
  }

 private:
  const ClassInfo& classOf(const toolkit::Component& c) const {
    const ClassInfo* info = classes_.classOf(c);
    if (!info) throw std::runtime_error("'" + c.name() + "' is of a class that descriptions do not know");
    return *info;
  }
  // What the component's block sits in: its parent, or the root for one without.
  const toolkit::Component* parentOf(const toolkit::Component& c) const {
    const ClassInfo& info = classOf(c);
    const toolkit::Component* parent = info.parentOf ? info.parentOf(c) : nullptr;
    return parent ? parent : &root_;
  }

  void block(const toolkit::Component& c, const std::string& indent) {
    const ClassInfo& info = classOf(c);
    out_ += indent + "object " + c.name() + ": " + info.name() + "\n";
    const std::string inner = indent + "  ";
    for (const auto& p : info.properties) {
      if (!p->stored(c)) continue;
      for (const auto& [part, text] : p->write(c, root_)) {
        out_ += inner + p->name() + (part.empty() ? "" : "." + part) + " = ";
        for (const char ch : text) out_ += ch == '\n' ? "\n" + inner : std::string(1, ch);
        out_ += "\n";
      }
    }
    for (const auto& owned : root_.ownedComponents()) {
      if (owned.get() != &c && parentOf(*owned) == &c) block(*owned, inner);
    }
    out_ += indent + "end\n";
  }

  const toolkit::Component& root_;
  const ClassRegistry& classes_;
  std::string out_;
};

}  // namespace

std::string storeDescription(const toolkit::Component& root, const ClassRegistry& classes) {
  return Writer(root, classes).write();
}

}  // namespace description
