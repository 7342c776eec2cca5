#include <cstdint>
#include <stdexcept>
#include <string>

#include "platform/canvas.h"
#include "platform/resources.h"

namespace platform {
namespace {

// A bitmap resource is a packed device-independent bitmap: the info header, the colour table,
// then the rows, bottom row first unless the height is negative, each padded to four bytes.
class PackedDib {
 public:
  explicit PackedDib(std::span<const std::byte> bytes) : bytes_(bytes) {}

  std::unique_ptr<Bitmap> decode() const {
    constexpr std::size_t kInfoHeaderSize = 40;
    const std::uint32_t headerSize = u32(0);
    const std::int32_t width = static_cast<std::int32_t>(u32(4));
    const std::int32_t rawHeight = static_cast<std::int32_t>(u32(8));
    const unsigned bitCount = u16(14);
    if (headerSize < kInfoHeaderSize || u32(16) != 0 || width < 0 || rawHeight == INT32_MIN)
      throw std::runtime_error("unsupported bitmap format");
    if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 24 && bitCount != 32)
      throw std::runtime_error("unsupported bitmap depth");
    const int height = rawHeight < 0 ? -rawHeight : rawHeight;
    const std::size_t paletteSize = bitCount <= 8 ? (u32(32) ? u32(32) : 1u << bitCount) : 0;
    const std::size_t pixelsAt = headerSize + 4 * paletteSize;
    const std::size_t stride = (static_cast<std::size_t>(width) * bitCount + 31) / 32 * 4;
    if (pixelsAt + stride * static_cast<std::size_t>(height) > bytes_.size())
      throw std::runtime_error("truncated bitmap");

    auto bitmap = createBitmap(width, height);
    Canvas& canvas = bitmap->canvas();
    for (int row = 0; row < height; ++row) {
      const int y = rawHeight < 0 ? row : height - 1 - row;
      const std::size_t rowAt = pixelsAt + stride * static_cast<std::size_t>(row);
      for (int x = 0; x < width; ++x) {
        Color c;
        if (bitCount <= 8) {
          const std::size_t bit = static_cast<std::size_t>(x) * bitCount;
          const unsigned byte = u8(rowAt + bit / 8);
          const unsigned index = (byte >> (8 - bitCount - bit % 8)) & ((1u << bitCount) - 1);
          if (index >= paletteSize) throw std::runtime_error("bitmap colour out of its table");
          c = bgr(headerSize + 4 * index);
        } else {
          c = bgr(rowAt + static_cast<std::size_t>(x) * (bitCount / 8));
        }
        canvas.setBrushColor(c);
        canvas.fillRect({x, y, x + 1, y + 1});
      }
    }
    canvas.setBrushColor(rgb(255, 255, 255));
    return bitmap;
  }

 private:
  unsigned u8(std::size_t at) const {
    if (at >= bytes_.size()) throw std::runtime_error("truncated bitmap");
    return static_cast<unsigned>(bytes_[at]);
  }
  unsigned u16(std::size_t at) const { return u8(at) | u8(at + 1) << 8; }
  std::uint32_t u32(std::size_t at) const { return u16(at) | static_cast<std::uint32_t>(u16(at + 2)) << 16; }
  Color bgr(std::size_t at) const { return rgb(u8(at + 2), u8(at + 1), u8(at)); }

  std::span<const std::byte> bytes_;
};

}  // namespace

std::unique_ptr<Bitmap> loadBitmapResource(std::string_view name) {
  constexpr std::string_view kBitmapType = "#2";  // RT_BITMAP, as on Windows
  const auto bytes = findOwnResource(kBitmapType, name);
  if (!bytes) throw std::runtime_error("Bitmap resource '" + std::string(name) + "' not found");
  try {
    return PackedDib(*bytes).decode();
  } catch (const std::runtime_error& e) {
    throw std::runtime_error("Bitmap resource '" + std::string(name) + "': " + e.what());
  }
}

}  // namespace platform
