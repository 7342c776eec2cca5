#include "description/object_properties.h"

#include <charconv>
#include <cstdint>

namespace description {
namespace {

const Codec<int>& charsetCodec() {
  static const Codec<int> codec = integerCodec(0, 255);
  return codec;
}
const Codec<int>& heightCodec() {
  static const Codec<int> codec = integerCodec(-1000, 1000);
  return codec;
}
const Codec<unsigned>& styleCodec() {
  static const Codec<unsigned> codec = setCodec({"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"});
  return codec;
}

int pictureSide(const std::string& word, const char* what) {
  int side = -1;
  const auto [stop, error] = std::from_chars(word.data(), word.data() + word.size(), side);
  if (error != std::errc() || stop != word.data() + word.size() || side < 1 ||
      side > graphics::kMaxBitmapSide) {
    throw ValueError("the picture's " + std::string(what) + " must be 1 to " +
                     std::to_string(graphics::kMaxBitmapSide) + ", not '" + word + "'");
  }
  return side;
}

}  // namespace

std::vector<std::string_view> fontPartNames() {
  return {"Charset", "Color", "Height", "Name", "Style"};
}

std::vector<std::pair<std::string, std::string>> formatFontParts(const graphics::Font& font) {
  return {{"Charset", charsetCodec().format(font.charset)},
          {"Color", colorCodec().format(font.color)},
          {"Height", heightCodec().format(font.height)},
          {"Name", textCodec().format(font.name)},
          {"Style", styleCodec().format(font.style)}};
}

std::function<void(graphics::Font&)> parseFontPart(std::string_view part, const ValueToken& value) {
  if (part == "Charset") return [v = charsetCodec().parse(value)](graphics::Font& f) { f.charset = v; };
  if (part == "Color") return [v = colorCodec().parse(value)](graphics::Font& f) { f.color = v; };
  if (part == "Height") return [v = heightCodec().parse(value)](graphics::Font& f) { f.height = v; };
  if (part == "Name") {
    std::string name = textCodec().parse(value);
    if (name.empty()) throw ValueError("a font needs a name");
    return [v = std::move(name)](graphics::Font& f) { f.name = v; };
  }
  if (part == "Style") return [v = styleCodec().parse(value)](graphics::Font& f) { f.style = v; };
  throw ValueError("a font has no part '" + std::string(part) + "'");
}

std::string formatPicture(const graphics::Bitmap& bitmap) {
  constexpr char kDigits[] = "0123456789ABCDEF";
  const int w = bitmap.width();
  const int h = bitmap.height();
  std::string out = "{\n  " + std::to_string(w) + " " + std::to_string(h);
  for (int y = 0; y < h; ++y) {
    out += "\n ";
    for (int x = 0; x < w; ++x) {
      const graphics::Color c = bitmap.canvas().pixel(x, y);
      out += ' ';
      for (int shift = 20; shift >= 0; shift -= 4) out += kDigits[(c >> shift) & 0xF];
    }
  }
  return out + "\n}";
}

Picture parsePicture(const ValueToken& value) {
  if (value.kind != ValueToken::Kind::kBlock) {
    throw ValueError("a picture is wanted: { width height } and its rows of pixels");
  }
  const auto& words = value.items;
  const auto lineOf = [&](std::size_t i) { return i < value.itemLines.size() ? value.itemLines[i] : 0; };
  if (words.size() < 2) throw ValueError("the picture's width and height are missing");
  Picture p;
  p.width = pictureSide(words[0], "width");
  p.height = pictureSide(words[1], "height");
  const std::string size = words[0] + " x " + words[1];
  // The width and height stand alone on their line, and each row of pixels is a line of its
  // own, so that a row that is too short or too long cannot shift the rest into other places.
  if (lineOf(1) != lineOf(0) || (words.size() > 2 && lineOf(2) == lineOf(0))) {
    throw ValueError("the picture's width and height stand alone on their line", lineOf(0));
  }
  const auto width = static_cast<std::size_t>(p.width);
  p.pixels.reserve(words.size() - 2);
  int rows = 0;
  for (std::size_t i = 2; i < words.size();) {
    const int line = lineOf(i);
    std::size_t end = i;
    while (end < words.size() && lineOf(end) == line) ++end;
    if (++rows > p.height) throw ValueError("a picture of " + size + " ends after row " + words[1], line);
    if (end - i != width) {
      throw ValueError("each row of a picture of " + size + " holds " + words[0] + " pixels, not " +
                           std::to_string(end - i),
                       line);
    }
    for (; i < end; ++i) {
      const std::string& w = words[i];
      graphics::Color c = 0;
      const auto [stop, error] = std::from_chars(w.data(), w.data() + w.size(), c, 16);
      if (w.size() != 6 || error != std::errc() || stop != w.data() + w.size()) {
        throw ValueError("'" + w + "' is not a pixel (6 hex digits, BBGGRR)", line);
      }
      p.pixels.push_back(c);
    }
  }
  if (rows < p.height) {
    throw ValueError("a picture of " + size + " needs " + words[1] + " rows, not " + std::to_string(rows));
  }
  return p;
}

void drawPicture(const Picture& picture, graphics::Bitmap& bitmap) {
  bitmap.setSize(picture.width, picture.height);
  graphics::Canvas& canvas = bitmap.canvas();
  // Runs of one colour along a row are filled at once.
  for (int y = 0; y < picture.height; ++y) {
    const graphics::Color* row =
        picture.pixels.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(picture.width);
    for (int x = 0; x < picture.width;) {
      int end = x + 1;
      while (end < picture.width && row[end] == row[x]) ++end;
      canvas.setBrushColor(row[x]);
      canvas.fillRect({x, y, end, y + 1});
      x = end;
    }
  }
}

std::vector<std::string_view> FontProperty::parts() const {
  return fontPartNames();
}

bool FontProperty::stored(const toolkit::Component& c) const {
  return (!storedIf_ || storedIf_(c)) && !(own_(c) == default_(c));
}

std::vector<std::pair<std::string, std::string>> FontProperty::write(const toolkit::Component& c,
                                                                     const toolkit::Component&) const {
  return formatFontParts(own_(c));
}

std::any FontProperty::check(std::string_view part, const ValueToken& value, const CheckContext&) const {
  return parseFontPart(part, value);
}

void FontProperty::apply(toolkit::Component& c, const std::any& checked, ApplyContext&) const {
  graphics::Font font = own_(c);
  std::any_cast<const std::function<void(graphics::Font&)>&>(checked)(font);
  readInto_(c, font);
}

std::function<void()> FontProperty::restorer(toolkit::Component& c) const {
  return [this, &c, kept = own_(c)] {
    if (!(own_(c) == kept)) readInto_(c, kept);
  };
}

bool PictureProperty::stored(const toolkit::Component& c) const {
  const graphics::Bitmap& b = own_(c);
  return b.width() > 0 && b.height() > 0;
}

std::vector<std::pair<std::string, std::string>> PictureProperty::write(const toolkit::Component& c,
                                                                        const toolkit::Component&) const {
  return {{std::string(), formatPicture(own_(c))}};
}

std::any PictureProperty::check(std::string_view, const ValueToken& value, const CheckContext&) const {
  return parsePicture(value);
}

void PictureProperty::apply(toolkit::Component& c, const std::any& checked, ApplyContext&) const {
  drawPicture(std::any_cast<const Picture&>(checked), object_(c));
}

std::function<void()> PictureProperty::restorer(toolkit::Component& c) const {
  // Loading changes only a picture's size and pixels.
  const std::shared_ptr<const graphics::Bitmap> kept = own_(c).clone();
  return [this, &c, kept] {
    graphics::Bitmap& picture = object_(c);
    picture.setSize(kept->width(), kept->height());
    picture.canvas().drawOpaque(0, 0, *kept);
  };
}

}  // namespace description
