// How the plain values of a window description are written and read back.
#include <array>
#include <charconv>
#include <cstdint>
#include <limits>
#include <string>

#include "description/description_syntax.h"
#include "description/property.h"
#include "graphics/color.h"

namespace description {
namespace {

// The system colours by index, as a description names them: their RGB value is the display's.
constexpr std::array<std::string_view, 25> kSystemColorNames = {
    "clScrollBar",    "clBackground",     "clActiveCaption", "clInactiveCaption", "clMenu",
    "clWindow",       "clWindowFrame",    "clMenuText",      "clWindowText",      "clCaptionText",
    "clActiveBorder", "clInactiveBorder", "clAppWorkSpace",  "clHighlight",       "clHighlightText",
    "clBtnFace",      "clBtnShadow",      "clGrayText",      "clBtnText",         "clInactiveCaptionText",
    "clBtnHighlight", "cl3DDkShadow",     "cl3DLight",       "clInfoText",        "clInfoBk"};
constexpr std::string_view kNoColorName = "clNone";

std::int64_t wholeNumber(const ValueToken& t) {
  if (t.kind != ValueToken::Kind::kNumber) throw ValueError(describeToken(t) + " is not a whole number");
  std::int64_t value = 0;
  const char* end = t.text.data() + t.text.size();
  const auto [stop, error] = std::from_chars(t.text.data(), end, value);
  if (error != std::errc() || stop != end) throw ValueError(t.text + " is too large");
  return value;
}

std::string joined(const std::vector<std::string>& names) {
  std::string out;
  for (const auto& n : names) out += (out.empty() ? "" : ", ") + n;
  return out;
}

}  // namespace

Codec<int> integerCodec(int min, int max) {
  return {[](const int& v) { return std::to_string(v); },
          [min, max](const ValueToken& t) {
            const std::int64_t v = wholeNumber(t);
            if (v < min || v > max) {
              throw ValueError(t.text + " is out of range (" + std::to_string(min) + " to " +
                               std::to_string(max) + ")");
            }
            return static_cast<int>(v);
          }};
}

Codec<unsigned> unsignedCodec() {
  return {[](const unsigned& v) { return std::to_string(v); },
          [](const ValueToken& t) {
            const std::int64_t v = wholeNumber(t);
            if (v < 0 || v > std::numeric_limits<unsigned>::max()) {
              throw ValueError(t.text + " is out of range (0 to " +
                               std::to_string(std::numeric_limits<unsigned>::max()) + ")");
            }
            return static_cast<unsigned>(v);
          }};
}

Codec<bool> booleanCodec() {
  return {[](const bool& v) { return std::string(v ? "True" : "False"); },
          [](const ValueToken& t) {
            if (t.kind == ValueToken::Kind::kName && (t.text == "True" || t.text == "False"))
              return t.text == "True";
            throw ValueError(describeToken(t) + " is not True or False");
          }};
}

Codec<std::string> textCodec() {
  return {[](const std::string& v) { return quoteText(v); },
          [](const ValueToken& t) {
            if (t.kind != ValueToken::Kind::kText)
              throw ValueError(describeToken(t) + " is not a quoted text");
            return t.text;
          }};
}

Codec<std::uint32_t> colorCodec() {
  return {[](const std::uint32_t& c) {
            if (c == graphics::kNoColor) return std::string(kNoColorName);
            if (c == graphics::systemColorFromIndex(graphics::systemColorIndex(c)) &&
                static_cast<std::size_t>(graphics::systemColorIndex(c)) < kSystemColorNames.size()) {
              return std::string(kSystemColorNames[static_cast<std::size_t>(graphics::systemColorIndex(c))]);
            }
            std::string hex(8, '0');
            constexpr char kDigits[] = "0123456789ABCDEF";
            for (int i = 0; i < 8; ++i) hex[static_cast<std::size_t>(7 - i)] = kDigits[(c >> (4 * i)) & 0xF];
            return "$" + hex;
          },
          [](const ValueToken& t) -> std::uint32_t {
            if (t.kind == ValueToken::Kind::kHexNumber) {
              if (t.text.size() > 8) throw ValueError("$" + t.text + " has more than 8 hex digits");
              std::uint32_t c = 0;
              std::from_chars(t.text.data(), t.text.data() + t.text.size(), c, 16);
              return c;
            }
            if (t.kind == ValueToken::Kind::kName) {
              if (t.text == kNoColorName) return graphics::kNoColor;
              for (std::size_t i = 0; i < kSystemColorNames.size(); ++i) {
                if (t.text == kSystemColorNames[i])
                  return graphics::systemColorFromIndex(static_cast<int>(i));
              }
            }
            throw ValueError(describeToken(t) + " is not a colour ($00BBGGRR or a system colour's name)");
          }};
}

Codec<int> enumerationCodec(std::vector<std::string> names) {
  return {[names](const int& v) {
            if (v < 0 || static_cast<std::size_t>(v) >= names.size()) {
              throw std::logic_error("An enumeration value " + std::to_string(v) + " has no name");
            }
            return names[static_cast<std::size_t>(v)];
          },
          [names](const ValueToken& t) {
            if (t.kind == ValueToken::Kind::kName) {
              for (std::size_t i = 0; i < names.size(); ++i) {
                if (names[i] == t.text) return static_cast<int>(i);
              }
            }
            throw ValueError(describeToken(t) + " is not one of " + joined(names));
          }};
}

Codec<unsigned> setCodec(std::vector<std::string> names) {
  return {[names](const unsigned& bits) {
            std::vector<std::string> members;
            for (std::size_t i = 0; i < names.size(); ++i) {
              if (bits & (1u << i)) members.push_back(names[i]);
            }
            return "[" + joined(members) + "]";
          },
          [names](const ValueToken& t) {
            if (t.kind != ValueToken::Kind::kSet) throw ValueError(describeToken(t) + " is not a set [...]");
            unsigned bits = 0;
            for (const auto& item : t.items) {
              std::size_t i = 0;
              while (i < names.size() && names[i] != item) ++i;
              if (i == names.size()) throw ValueError("'" + item + "' is not one of " + joined(names));
              bits |= 1u << i;
            }
            return bits;
          }};
}

}  // namespace description
