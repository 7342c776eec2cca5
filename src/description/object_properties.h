#pragma once
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "description/property.h"
#include "graphics/canvas.h"
#include "graphics/color.h"
#include "graphics/font.h"

// Object-valued properties: a description reads them into the component's own object, without
// the property's setter, so nothing that setter would derive (a glyph's frame count) follows.
namespace description {

// A font is stored as its parts: Charset, Color, Height, Name and Style, in that order.
std::vector<std::string_view> fontPartNames();
std::vector<std::pair<std::string, std::string>> formatFontParts(const graphics::Font& font);
// Judges one part's value; what it returns changes that part of a font.
std::function<void(graphics::Font&)> parseFontPart(std::string_view part, const ValueToken& value);

// Pixels as a description holds them.
struct Picture {
  int width = 0;
  int height = 0;
  std::vector<graphics::Color> pixels;  // row by row, 0x00BBGGRR
};
std::string formatPicture(const graphics::Bitmap& bitmap);
Picture parsePicture(const ValueToken& value);
// Gives the bitmap the picture's size and pixels.
void drawPicture(const Picture& picture, graphics::Bitmap& bitmap);

class FontProperty final : public Property {
 public:
  // Plain function pointers, as for value properties (see property.h).
  using Own = const graphics::Font& (*)(const toolkit::Component&);
  using ReadInto = void (*)(toolkit::Component&, const graphics::Font&);
  // The default may depend on the component (on its owner's font, say).
  using Default = graphics::Font (*)(const toolkit::Component&);

  FontProperty(std::string name, Own own, ReadInto readInto, Default def, StoringRule storedIf)
      : Property(std::move(name)), own_(own), readInto_(readInto), default_(def), storedIf_(storedIf) {}

  std::vector<std::string_view> parts() const override;
  bool stored(const toolkit::Component& c) const override;
  std::vector<std::pair<std::string, std::string>> write(const toolkit::Component& c,
                                                         const toolkit::Component&) const override;
  std::any check(std::string_view part, const ValueToken& value, const CheckContext&) const override;
  void apply(toolkit::Component& c, const std::any& checked, ApplyContext&) const override;
  std::function<void()> restorer(toolkit::Component& c) const override;

 private:
  Own own_;
  ReadInto readInto_;
  Default default_;
  StoringRule storedIf_;
};

// A font property of class C from its accessors and default, as template arguments (see
// valueProperty): the font the component owns, how a read font goes into it, its default, and,
// when given, the storing rule.
template <class C, auto Own, auto ReadInto, auto Default, auto StoredIf = nullptr>
std::shared_ptr<const Property> fontProperty(std::string name) {
  return makeProperty<FontProperty>(
      std::move(name),
      +[](const toolkit::Component& c) -> const graphics::Font& {
        return std::invoke(Own, static_cast<const C&>(c));
      },
      &writeThrough<C, graphics::Font, ReadInto>, &readThrough<C, graphics::Font, Default>,
      storingRule<C, StoredIf>());
}

// A picture, stored while it has pixels; the default is none.
class PictureProperty final : public Property {
 public:
  using Own = const graphics::Bitmap& (*)(const toolkit::Component&);
  using Object = graphics::Bitmap& (*)(toolkit::Component&);

  PictureProperty(std::string name, Own own, Object object)
      : Property(std::move(name)), own_(own), object_(object) {}

  bool stored(const toolkit::Component& c) const override;
  std::vector<std::pair<std::string, std::string>> write(const toolkit::Component& c,
                                                         const toolkit::Component&) const override;
  std::any check(std::string_view, const ValueToken& value, const CheckContext&) const override;
  void apply(toolkit::Component& c, const std::any& checked, ApplyContext&) const override;
  std::function<void()> restorer(toolkit::Component& c) const override;

 private:
  Own own_;
  Object object_;
};

// A picture property of class C from the bitmap it owns, read-only and writable, as template
// arguments (see valueProperty).
template <class C, auto Own, auto Object>
std::shared_ptr<const Property> pictureProperty(std::string name) {
  return makeProperty<PictureProperty>(
      std::move(name),
      +[](const toolkit::Component& c) -> const graphics::Bitmap& {
        return std::invoke(Own, static_cast<const C&>(c));
      },
      +[](toolkit::Component& c) -> graphics::Bitmap& { return std::invoke(Object, static_cast<C&>(c)); });
}

}  // namespace description
