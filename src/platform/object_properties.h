#pragma once
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/canvas.h"
#include "platform/color.h"
#include "platform/font.h"
#include "platform/property.h"

// Object-valued properties: a description reads them into the component's own object, without
// the property's setter, so nothing that setter would derive (a glyph's frame count) follows.
namespace platform {

// A font is stored as its parts: Charset, Color, Height, Name and Style, in that order.
std::vector<std::string_view> fontPartNames();
std::vector<std::pair<std::string, std::string>> formatFontParts(const Font& font);
// Judges one part's value; what it returns changes that part of a font.
std::function<void(Font&)> parseFontPart(std::string_view part, const ValueToken& value);

// Pixels as a description holds them.
struct Picture {
  int width = 0;
  int height = 0;
  std::vector<Color> pixels;  // row by row, 0x00BBGGRR
};
std::string formatPicture(const Bitmap& bitmap);
Picture parsePicture(const ValueToken& value);
// Gives the bitmap the picture's size and pixels.
void drawPicture(const Picture& picture, Bitmap& bitmap);

template <class C>
class FontProperty final : public Property {
 public:
  using Own = std::function<const Font&(const C&)>;
  using ReadInto = std::function<void(C&, const Font&)>;
  using Default = std::function<Font(const C&)>;
  using StoredIf = std::function<bool(const C&)>;

  FontProperty(std::string name, Own own, ReadInto readInto, Default def, StoredIf storedIf)
      : Property(std::move(name)),
        own_(std::move(own)),
        readInto_(std::move(readInto)),
        default_(std::move(def)),
        storedIf_(std::move(storedIf)) {}

  std::vector<std::string_view> parts() const override { return fontPartNames(); }
  bool stored(const Component& c) const override {
    const C& self = static_cast<const C&>(c);
    return (!storedIf_ || storedIf_(self)) && !(own_(self) == default_(self));
  }
  std::vector<std::pair<std::string, std::string>> write(const Component& c,
                                                         const Component&) const override {
    return formatFontParts(own_(static_cast<const C&>(c)));
  }
  std::any check(std::string_view part, const ValueToken& value, const CheckContext&) const override {
    return parseFontPart(part, value);
  }
  void apply(Component& c, const std::any& checked, ApplyContext&) const override {
    C& self = static_cast<C&>(c);
    Font font = own_(self);
    std::any_cast<const std::function<void(Font&)>&>(checked)(font);
    readInto_(self, font);
  }

 private:
  Own own_;
  ReadInto readInto_;
  Default default_;
  StoredIf storedIf_;
};

template <class C>
std::shared_ptr<const Property> fontProperty(std::string name, typename FontProperty<C>::Own own,
                                             typename FontProperty<C>::ReadInto readInto,
                                             typename FontProperty<C>::Default def,
                                             typename FontProperty<C>::StoredIf storedIf = {}) {
  return std::make_shared<FontProperty<C>>(std::move(name), std::move(own), std::move(readInto),
                                           std::move(def), std::move(storedIf));
}

// A picture, stored while it has pixels; the default is none.
template <class C>
class PictureProperty final : public Property {
 public:
  using Own = std::function<const Bitmap&(const C&)>;
  using Object = std::function<Bitmap&(C&)>;

  PictureProperty(std::string name, Own own, Object object)
      : Property(std::move(name)), own_(std::move(own)), object_(std::move(object)) {}

  bool stored(const Component& c) const override {
    const Bitmap& b = own_(static_cast<const C&>(c));
    return b.width() > 0 && b.height() > 0;
  }
  std::vector<std::pair<std::string, std::string>> write(const Component& c,
                                                         const Component&) const override {
    return {{std::string(), formatPicture(own_(static_cast<const C&>(c)))}};
  }
  std::any check(std::string_view, const ValueToken& value, const CheckContext&) const override {
    return parsePicture(value);
  }
  void apply(Component& c, const std::any& checked, ApplyContext&) const override {
    drawPicture(std::any_cast<const Picture&>(checked), object_(static_cast<C&>(c)));
  }

 private:
  Own own_;
  Object object_;
};

}  // namespace platform
