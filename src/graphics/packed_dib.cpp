#include "graphics/packed_dib.h"

#include <cstdint>
#include <limits>
#include <stdexcept>
#include <string>

#include "graphics/canvas.h"
#include "platform/resources.h"

namespace graphics {
namespace {

std::uint32_t u32(std::span<const std::byte> bytes, std::size_t at) {
  if (at + 4 > bytes.size()) throw std::runtime_error("truncated bitmap");
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < 4; ++i) value |= static_cast<std::uint32_t>(bytes[at + i]) << (8 * i);
  return value;
}

}  // namespace

PackedDibLayout readPackedDibLayout(std::span<const std::byte> bytes) {
  constexpr std::size_t kInfoHeaderSize = 40;
  PackedDibLayout dib;
  dib.headerSize = u32(bytes, 0);
  const auto width = static_cast<std::int32_t>(u32(bytes, 4));
  const auto rawHeight = static_cast<std::int32_t>(u32(bytes, 8));
  dib.bitCount = u32(bytes, 12) >> 16;
  const std::uint32_t compression = u32(bytes, 16);
  const std::uint32_t colorsUsed = u32(bytes, 32);
  if (dib.headerSize < kInfoHeaderSize || compression != 0 || width < 0 ||
      rawHeight == std::numeric_limits<std::int32_t>::min())
    throw std::runtime_error("unsupported bitmap format");
  if (dib.bitCount != 1 && dib.bitCount != 4 && dib.bitCount != 8 && dib.bitCount != 24 && dib.bitCount != 32)
    throw std::runtime_error("unsupported bitmap depth");
  dib.width = width;
  dib.height = rawHeight < 0 ? -rawHeight : rawHeight;
  dib.topDown = rawHeight < 0;
  // Deeper bitmaps need no colour table but may still carry one, as many entries as used.
  dib.paletteSize = colorsUsed != 0 ? colorsUsed : dib.bitCount <= 8 ? std::size_t{1} << dib.bitCount : 0;
  // Each term is checked against what is left, so that no sum can wrap around.
  if (dib.headerSize > bytes.size() || dib.paletteSize > (bytes.size() - dib.headerSize) / 4)
    throw std::runtime_error("truncated bitmap");
  dib.pixelsAt = dib.headerSize + 4 * dib.paletteSize;
  // In 64 bits: a row of up to 2^31 - 1 pixels of 32 bits each needs 2^33 bytes, which a 32-bit
  // size would wrap to almost nothing.
  const std::uint64_t stride =
      (std::uint64_t{static_cast<std::uint32_t>(width)} * dib.bitCount + 31) / 32 * 4;
  const std::uint64_t available = bytes.size() - dib.pixelsAt;
  if (dib.height != 0 && stride > available / static_cast<std::uint64_t>(dib.height))
    throw std::runtime_error("truncated bitmap");
  // What every bitmap of the program may be, which also keeps a row of no height within 32 bits.
  if (dib.width > kMaxBitmapSide || dib.height > kMaxBitmapSide)
    throw std::runtime_error("bitmap larger than " + std::to_string(kMaxBitmapSide) + " pixels on a side");
  dib.stride = static_cast<std::size_t>(stride);
  return dib;
}

std::runtime_error bitmapResourceError(std::string_view name, std::string_view why) {
  return std::runtime_error("Bitmap resource '" + std::string(name) + "': " + std::string(why));
}

PackedDib findBitmapResource(std::string_view name) {
  constexpr std::string_view kBitmapType = "#2";  // RT_BITMAP
  const auto bytes = platform::findOwnResource(kBitmapType, name);
  if (!bytes) throw std::runtime_error("Bitmap resource '" + std::string(name) + "' not found");
  try {
    return {*bytes, readPackedDibLayout(*bytes)};
  } catch (const std::runtime_error& e) {
    throw bitmapResourceError(name, e.what());
  }
}

}  // namespace graphics
