#include "description/reference_property.h"

#include <stdexcept>

namespace description {

std::string referenceName(const toolkit::Component& c, const toolkit::Component& target,
                          const toolkit::Component& root) {
  if (&target != &root && target.owner() != &root) {
    throw std::runtime_error("'" + c.name() + "' refers to '" + target.name() +
                             "', which is not part of the description");
  }
  return target.name();
}

std::string checkReference(const ValueToken& value, const CheckContext& context, std::type_index wanted) {
  if (value.kind != ValueToken::Kind::kName) throw ValueError("a component name is wanted");
  const ClassInfo* target = context.componentClass(value.text);
  if (!target) throw ValueError("there is no component '" + value.text + "'");
  if (!target->is(wanted)) {
    throw ValueError("'" + value.text + "' is a " + target->name() + ", which this property cannot refer to");
  }
  return value.text;
}

}  // namespace description
