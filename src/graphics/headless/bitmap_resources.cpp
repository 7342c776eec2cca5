#include <stdexcept>

#include "graphics/canvas.h"
#include "graphics/packed_dib.h"

namespace graphics {
namespace {

Color colorAt(std::span<const std::byte> bytes, std::size_t at) {
  return rgb(static_cast<unsigned>(bytes[at + 2]), static_cast<unsigned>(bytes[at + 1]),
             static_cast<unsigned>(bytes[at]));
}

// Pixel by pixel onto the software canvas; the layout has been checked to lie within the bytes.
std::unique_ptr<Bitmap> decode(const PackedDib& packed) {
  const PackedDibLayout& dib = packed.layout;
  auto bitmap = createBitmap(dib.width, dib.height);
  Canvas& canvas = bitmap->canvas();
  for (int row = 0; row < dib.height; ++row) {
    const int y = dib.topDown ? row : dib.height - 1 - row;
    const std::size_t rowAt = dib.pixelsAt + dib.stride * static_cast<std::size_t>(row);
    for (int x = 0; x < dib.width; ++x) {
      Color c;
      if (dib.bitCount <= 8) {
        const std::size_t bit = static_cast<std::size_t>(x) * dib.bitCount;
        const auto byte = static_cast<unsigned>(packed.bytes[rowAt + bit / 8]);
        const unsigned index = (byte >> (8 - dib.bitCount - bit % 8)) & ((1u << dib.bitCount) - 1);
        if (index >= dib.paletteSize) throw std::runtime_error("bitmap colour out of its table");
        c = colorAt(packed.bytes, dib.headerSize + 4 * index);
      } else {
        c = colorAt(packed.bytes, rowAt + static_cast<std::size_t>(x) * (dib.bitCount / 8));
      }
      canvas.setBrushColor(c);
      canvas.fillRect({x, y, x + 1, y + 1});
    }
  }
  canvas.setBrushColor(rgb(255, 255, 255));
  return bitmap;
}

}  // namespace

std::unique_ptr<Bitmap> loadBitmapResource(std::string_view name) {
  const PackedDib dib = findBitmapResource(name);
  try {
    return decode(dib);
  } catch (const std::runtime_error& e) {
    throw bitmapResourceError(name, e.what());
  }
}

}  // namespace graphics
