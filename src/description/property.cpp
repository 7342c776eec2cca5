// What the property templates share that does not depend on their types, kept out of line so
// that each instantiation stays small.
#include "description/property.h"

namespace description {

const std::any& namedMethod(const ValueToken& value, const CheckContext& context) {
  if (value.kind != ValueToken::Kind::kName) throw ValueError("a method name is wanted");
  const std::any* method = context.method(value.text);
  if (!method) throw ValueError("there is no method '" + value.text + "'");
  return *method;
}

void throwUnfittingMethod(const std::string& method) {
  throw ValueError("method '" + method + "' does not fit this event");
}

}  // namespace description
