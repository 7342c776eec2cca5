#pragma once
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "description/property.h"

// The text form of window descriptions, before any class or property gives it a meaning.
namespace description {

// A description that cannot be loaded: the message names the line and, where there is one, the
// property.
class DescriptionError : public std::runtime_error {
 public:
  DescriptionError(int line, std::string property, const std::string& detail);
  int line() const { return line_; }
  const std::string& property() const { return property_; }

 private:
  int line_;
  std::string property_;
};

struct PropertyLine {
  std::string name;
  std::string part;  // "Name" of "Font.Name"; empty for a plain value
  ValueToken value;
  int line = 0;
};

struct ObjectBlock {
  std::string name;
  std::string className;
  int line = 0;
  std::vector<PropertyLine> properties;
  std::vector<ObjectBlock> children;
};

// Throws DescriptionError for text that is not a description.
ObjectBlock parseDescription(std::string_view text);

// Whether a component of that name can be stored and read back: a letter or '_', then letters,
// digits and '_'.
bool isDescriptionName(std::string_view name);

// A text as a description writes it: 'It''s'#13#10'ok'.
std::string quoteText(std::string_view bytes);
// A value as a message quotes it.
std::string describeToken(const ValueToken& token);

}  // namespace description
