// Loading a window description: everything is checked first, then made and set in order.
#include "description/description_reader.h"

#include <algorithm>
#include <map>

#include "description/description_syntax.h"
#include "platform/ascii_case.h"

namespace description {
namespace {

struct CheckedLine {
  const Property* property = nullptr;
  std::size_t order = 0;  // publication order
  std::string label;      // "Font.Name"
  std::any value;
  int line = 0;
};

struct CheckedBlock {
  const ObjectBlock* block = nullptr;
  const ClassInfo* info = nullptr;
  std::vector<CheckedLine> lines;
  std::vector<CheckedBlock> children;
};

class Checker final : public CheckContext {
 public:
  Checker(const toolkit::Component& root, const ObjectBlock& tree, const ClassRegistry& classes,
          const Methods& methods)
      : root_(root), tree_(tree), classes_(classes), methods_(methods) {}

  CheckedBlock check() {
    const ObjectBlock& tree = tree_;
    const ClassInfo* rootClass = classes_.classOf(root_);
    if (!rootClass) throw std::logic_error("The class of '" + root_.name() + "' is not registered");
    if (tree.className != rootClass->name()) {
      throw DescriptionError(tree.line, {},
                             "the description is of a " + tree.className + ", not of a " + rootClass->name());
    }
    names_[tree.name] = rootClass;
    CheckedBlock checked{&tree, rootClass, {}, {}};
    collect(checked);
    checkLines(checked);
    return checked;
  }

  const std::any* method(std::string_view name) const override { return methods_.find(name); }
  const ClassInfo* componentClass(std::string_view name) const override {
    const auto it = names_.find(std::string(name));
    return it == names_.end() || it->first != name ? nullptr : it->second;
  }

 private:
  // The classes and names of the nested blocks, and whether each may sit where it is.
  void collect(CheckedBlock& enclosing) {
    for (const ObjectBlock& child : enclosing.block->children) {
      const ClassInfo* info = classes_.find(child.className);
      if (!info) throw DescriptionError(child.line, {}, "unknown class '" + child.className + "'");
      if (!info->make)
        throw DescriptionError(child.line, {}, "a " + info->name() + " cannot be a nested component");
      if (info->parentClass) {
        if (!enclosing.info->derivesFrom(*info->parentClass)) {
          throw DescriptionError(child.line, {},
                                 "a " + info->name() + " cannot be placed in a " + enclosing.info->name() +
                                     " ('" + enclosing.block->name + "'); it goes in a " +
                                     info->parentClass->name());
        }
      } else if (enclosing.block != &tree_) {
        throw DescriptionError(
            child.line, {}, "a " + info->name() + " has no parent; it goes directly in '" + tree_.name + "'");
      }
      // Names are one owner's handles on its components, and a handle must not depend on the
      // letter case it is written in.
      if (const auto taken = names_.find(child.name); taken != names_.end()) {
        throw DescriptionError(child.line, {},
                               taken->first == child.name
                                   ? "there is already a component named '" + child.name + "'"
                                   : "'" + child.name + "' differs only in letter case from the component '" +
                                         taken->first + "'");
      }
      for (const auto& owned : root_.ownedComponents()) {
        if (platform::caseBlindEqual(owned->name(), child.name)) {
          throw DescriptionError(
              child.line, {},
              "'" + root_.name() + "' already owns a component named '" + owned->name() + "'");
        }
      }
      names_[child.name] = info;
      enclosing.children.push_back(CheckedBlock{&child, info, {}, {}});
      collect(enclosing.children.back());
    }
  }

  void checkLines(CheckedBlock& b) {
    for (const PropertyLine& line : b.block->properties) {
      std::string label = line.part.empty() ? line.name : line.name + "." + line.part;
      const Property* p = b.info->property(line.name);
      if (!p) throw DescriptionError(line.line, label, "a " + b.info->name() + " has no such property");
      const auto parts = p->parts();
      if (parts.empty() && !line.part.empty()) {
        throw DescriptionError(line.line, label, "'" + line.name + "' has no parts");
      }
      if (!parts.empty() && std::find(parts.begin(), parts.end(), line.part) == parts.end()) {
        std::string list;
        for (const auto part : parts)
          list += (list.empty() ? "" : ", ") + line.name + "." + std::string(part);
        throw DescriptionError(line.line, label, "'" + line.name + "' is stored as its parts: " + list);
      }
      for (const CheckedLine& earlier : b.lines) {
        if (earlier.label == label) {
          throw DescriptionError(line.line, label,
                                 "given twice (first on line " + std::to_string(earlier.line) + ")");
        }
      }
      CheckedLine checked{p, b.info->indexOf(*p), label, {}, line.line};
      try {
        checked.value = p->check(line.part, line.value, *this);
      } catch (const ValueError& e) {
        throw DescriptionError(e.line() != 0 ? e.line() : line.line, label, e.what());
      }
      b.lines.push_back(std::move(checked));
    }
    // Loading follows the publication order, whatever the order of the lines.
    std::stable_sort(b.lines.begin(), b.lines.end(),
                     [](const CheckedLine& x, const CheckedLine& y) { return x.order < y.order; });
    for (CheckedBlock& child : b.children) checkLines(child);
  }

  const toolkit::Component& root_;
  const ObjectBlock& tree_;
  const ClassRegistry& classes_;
  const Methods& methods_;
  // Blind to letter case, so that two names differing only in it are one key.
  std::map<std::string, const ClassInfo*, platform::CaseBlindLess> names_;
};

class Loader final : public ApplyContext {
 public:
  explicit Loader(toolkit::Component& root) : root_(root) {}

  void load(const CheckedBlock& tree) {
    const std::string formerName = root_.name();
    // A setter that fails may come after others have changed the root, or have changed more
    // of it than their own property: every published property of the root goes back.
    std::vector<std::function<void()>> restoreRoot;
    for (const auto& property : tree.info->properties) restoreRoot.push_back(property->restorer(root_));
    root_.beginLoading();
    try {
      root_.setName(tree.block->name);
      named_[tree.block->name] = &root_;
      applyLines(root_, tree);
      for (const CheckedBlock& child : tree.children) make(child, root_);
      for (const auto& step : afterAll_) step();
    } catch (...) {
      for (auto it = made_.rbegin(); it != made_.rend(); ++it) root_.freeComponent(**it);
      for (const auto& restore : restoreRoot) {
        // Each value goes back even when another cannot: the caller hears of the load's failure.
        try {
          restore();
        } catch (const std::exception&) {
        }
      }
      root_.setName(formerName);
      root_.endLoading();
      throw;
    }
    for (toolkit::Component* c : made_) c->endLoading();
    root_.endLoading();
  }

  void afterAll(std::function<void()> step) override { afterAll_.push_back(std::move(step)); }
  toolkit::Component& component(std::string_view name) const override {
    const auto it = named_.find(name);
    if (it == named_.end()) throw std::logic_error("'" + std::string(name) + "' is not made yet");
    return *it->second;
  }

 private:
  void make(const CheckedBlock& b, toolkit::Component& parent) {
    toolkit::Component& c = b.info->make(root_);
    made_.push_back(&c);
    c.beginLoading();
    c.setName(b.block->name);
    named_[b.block->name] = &c;
    if (b.info->parentClass) {
      try {
        b.info->setParent(c, parent);
      } catch (const std::exception& e) {
        throw DescriptionError(b.block->line, {}, e.what());
      }
    }
    applyLines(c, b);
    for (const CheckedBlock& child : b.children) make(child, c);
  }

  void applyLines(toolkit::Component& c, const CheckedBlock& b) {
    for (const CheckedLine& line : b.lines) {
      try {
        line.property->apply(c, line.value, *this);
      } catch (const std::exception& e) {
        throw DescriptionError(line.line, line.label, e.what());
      }
    }
  }

  toolkit::Component& root_;
  std::vector<toolkit::Component*> made_;
  std::map<std::string, toolkit::Component*, std::less<>> named_;
  std::vector<std::function<void()>> afterAll_;
};

}  // namespace

void loadDescription(toolkit::Component& root, std::string_view text, const ClassRegistry& classes,
                     const Methods& methods) {
  const ObjectBlock tree = parseDescription(text);
  const CheckedBlock checked = Checker(root, tree, classes, methods).check();
  Loader(root).load(checked);
}

}  // namespace description
