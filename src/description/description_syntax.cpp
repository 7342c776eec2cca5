#include "description/description_syntax.h"

#include <algorithm>
#include <cctype>
#include <optional>

namespace description {
namespace {

// Deeper nesting than any window needs; it keeps hostile text from exhausting the stack.
constexpr int kMaxDepth = 32;
// How much of a line's unexpected rest a message quotes.
constexpr std::size_t kShownRest = 24;

bool isNameStart(char c) {
  return std::isalpha(static_cast<unsigned char>(c)) || c == '_';
}
bool isNameChar(char c) {
  return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
}
bool isDigit(char c) {
  return std::isdigit(static_cast<unsigned char>(c)) != 0;
}
bool isLineEnd(char c) {
  return c == '\n' || c == '\r';
}
bool isSpace(char c) {
  return c == ' ' || c == '\t' || isLineEnd(c);
}

class Parser {
 public:
  explicit Parser(std::string_view text) : text_(text) {}

  ObjectBlock description() {
    skipSpace();
    if (atEnd()) fail("the description is empty");
    ObjectBlock root = object(0);
    skipSpace();
    if (!atEnd()) fail("nothing may follow the end of '" + root.name + "'");
    return root;
  }

 private:
  [[noreturn]] void fail(const std::string& detail, std::string property = {}) const {
    throw DescriptionError(line_, std::move(property), detail);
  }

  bool atEnd() const { return pos_ >= text_.size(); }
  char peek() const { return atEnd() ? '\0' : text_[pos_]; }
  void advance() {
    const char c = text_[pos_++];
    // CR LF, a lone LF and a lone CR each end a line.
    if (c == '\n' || (c == '\r' && peek() != '\n')) ++line_;
  }
  void skipSpace() {
    while (!atEnd() && isSpace(peek())) advance();
  }
  // One line holds one thing: a heading, a property or an 'end'. Whatever follows `what` on
  // its line is refused there, rather than read as the start of a line that is not there.
  void expectLineEnd(const std::string& what, const std::string& property = {}) {
    while (!atEnd() && (peek() == ' ' || peek() == '\t')) advance();
    if (atEnd() || isLineEnd(peek())) return;
    std::size_t end = pos_;
    while (end < text_.size() && !isLineEnd(text_[end]) && end - pos_ < kShownRest) ++end;
    fail("only the end of the line may follow " + what + ", not " + quoteText(text_.substr(pos_, end - pos_)),
         property);
  }

  std::optional<std::string> name() {
    skipSpace();
    if (!isNameStart(peek())) return std::nullopt;
    const std::size_t start = pos_;
    while (!atEnd() && isNameChar(peek())) advance();
    return std::string(text_.substr(start, pos_ - start));
  }
  bool symbol(char c) {
    skipSpace();
    if (peek() != c) return false;
    advance();
    return true;
  }

  ObjectBlock object(int depth) {
    if (depth > kMaxDepth) fail("components are nested too deeply");
    ObjectBlock block;
    skipSpace();
    block.line = line_;
    const auto keyword = name();
    if (keyword != "object") fail("'object' is expected");
    const auto objectName = name();
    if (!objectName) fail("a component name is expected after 'object'");
    block.name = *objectName;
    if (!symbol(':')) fail("':' and a class name are expected after '" + block.name + "'");
    const auto className = name();
    if (!className) fail("a class name is expected after '" + block.name + ":'");
    block.className = *className;
    expectLineEnd("the class name");
    for (;;) {
      skipSpace();
      if (atEnd()) fail("'end' is missing for '" + block.name + "'");
      const std::size_t start = pos_;
      const int startLine = line_;
      const auto word = name();
      if (!word) fail("a property, 'object' or 'end' is expected");
      if (*word == "end") {
        expectLineEnd("'end'");
        return block;
      }
      if (*word == "object") {
        pos_ = start;
        line_ = startLine;
        block.children.push_back(object(depth + 1));
        continue;
      }
      block.properties.push_back(property(*word, startLine));
    }
  }

  PropertyLine property(const std::string& propertyName, int line) {
    PropertyLine p;
    p.name = propertyName;
    p.line = line;
    if (peek() == '.') {
      advance();
      const auto part = name();
      if (!part) fail("a part name is expected after '.'", p.name);
      p.part = *part;
    }
    if (!symbol('=')) fail("'=' is expected after the property's name", p.name);
    skipSpace();
    if (line_ != line) fail("the value must be on the property's line", p.name);
    p.value = value(p.name);
    expectLineEnd("the value", p.name);
    return p;
  }

  ValueToken value(const std::string& property) {
    ValueToken t;
    const char c = peek();
    if (isDigit(c) || c == '-') {
      t.kind = ValueToken::Kind::kNumber;
      const std::size_t start = pos_;
      advance();
      while (!atEnd() && isDigit(peek())) advance();
      t.text = text_.substr(start, pos_ - start);
      if (t.text == "-") fail("a digit is expected after '-'", property);
    } else if (c == '$') {
      t.kind = ValueToken::Kind::kHexNumber;
      advance();
      const std::size_t start = pos_;
      while (!atEnd() && std::isxdigit(static_cast<unsigned char>(peek()))) advance();
      t.text = text_.substr(start, pos_ - start);
      if (t.text.empty()) fail("hex digits are expected after '$'", property);
    } else if (c == '\'' || c == '#') {
      t.kind = ValueToken::Kind::kText;
      t.text = text(property);
    } else if (c == '[') {
      t.kind = ValueToken::Kind::kSet;
      advance();
      if (!symbol(']')) {
        do {
          const auto member = name();
          if (!member) fail("a name is expected in the set", property);
          t.items.push_back(*member);
        } while (symbol(','));
        if (!symbol(']')) fail("',' or ']' is expected in the set", property);
      }
    } else if (c == '{') {
      t.kind = ValueToken::Kind::kBlock;
      const int opened = line_;
      advance();
      for (;;) {
        skipSpace();
        // Told where the block begins: its end is wherever the text ran out.
        if (atEnd()) throw DescriptionError(opened, property, "'}' is missing");
        if (peek() == '}') break;
        const std::size_t start = pos_;
        t.itemLines.push_back(line_);
        while (!atEnd() && !isSpace(peek()) && peek() != '}') advance();
        t.items.emplace_back(text_.substr(start, pos_ - start));
      }
      advance();
    } else if (isNameStart(c)) {
      t.kind = ValueToken::Kind::kName;
      t.text = *name();
    } else {
      fail("a value is expected", property);
    }
    return t;
  }

  // Quoted pieces and #nn bytes, side by side without spaces.
  std::string text(const std::string& property) {
    std::string bytes;
    for (;;) {
      if (peek() == '\'') {
        advance();
        for (;;) {
          if (atEnd() || isLineEnd(peek())) fail("the text is not closed on its line", property);
          const char ch = peek();
          advance();
          if (ch != '\'') {
            bytes += ch;
          } else if (peek() == '\'') {
            bytes += '\'';
            advance();
          } else {
            break;
          }
        }
      } else if (peek() == '#') {
        advance();
        int code = 0;
        int digits = 0;
        while (!atEnd() && isDigit(peek()) && digits < 4) {
          code = code * 10 + (peek() - '0');
          ++digits;
          advance();
        }
        if (digits == 0 || code > 255) fail("'#' must be followed by a byte value, 0 to 255", property);
        bytes += static_cast<char>(code);
      } else {
        return bytes;
      }
    }
  }

  std::string_view text_;
  std::size_t pos_ = 0;
  int line_ = 1;
};

}  // namespace

DescriptionError::DescriptionError(int line, std::string property, const std::string& detail)
    : std::runtime_error("Line " + std::to_string(line) +
                         (property.empty() ? "" : ", property '" + property + "'") + ": " + detail),
      line_(line),
      property_(std::move(property)) {}

ObjectBlock parseDescription(std::string_view text) {
  return Parser(text).description();
}

bool isDescriptionName(std::string_view name) {
  return !name.empty() && isNameStart(name.front()) && std::all_of(name.begin(), name.end(), isNameChar);
}

std::string quoteText(std::string_view bytes) {
  std::string out;
  bool quoted = false;
  for (const char ch : bytes) {
    const auto byte = static_cast<unsigned char>(ch);
    const bool printable = byte >= 0x20 && byte < 0x7F;
    if (printable != quoted) {
      out += '\'';
      quoted = printable;
    }
    if (!printable) {
      out += '#' + std::to_string(byte);
    } else {
      out += ch;
      if (ch == '\'') out += '\'';
    }
  }
  if (quoted) out += '\'';
  return out.empty() ? "''" : out;
}

std::string describeToken(const ValueToken& token) {
  switch (token.kind) {
    case ValueToken::Kind::kText:
      return quoteText(token.text);
    case ValueToken::Kind::kHexNumber:
      return "$" + token.text;
    case ValueToken::Kind::kSet:
      return "a set";
    case ValueToken::Kind::kBlock:
      return "a block";
    case ValueToken::Kind::kName:
      return "'" + token.text + "'";
    default:
      return token.text;
  }
}

}  // namespace description
