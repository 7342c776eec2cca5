#pragma once
#include <cstddef>
#include <span>
#include <stdexcept>
#include <string_view>

namespace graphics {

// Where things are in a packed device-independent bitmap, the form a bitmap resource takes:
// the info header, the colour table, then the rows, bottom row first unless the height is
// negative, each padded to four bytes.
struct PackedDibLayout {
  int width = 0;
  int height = 0;  // always positive; see topDown
  bool topDown = false;
  unsigned bitCount = 0;
  std::size_t headerSize = 0;
  std::size_t paletteSize = 0;  // entries of four bytes each, right after the header
  std::size_t pixelsAt = 0;
  std::size_t stride = 0;
};

// Reads and checks the layout: an uncompressed bitmap of 1, 4, 8, 24 or 32 bits per pixel whose
// header, colour table and rows all lie within the bytes, and no side beyond kMaxBitmapSide.
// Throws std::runtime_error otherwise, so that no reader of the pixels goes past the end.
PackedDibLayout readPackedDibLayout(std::span<const std::byte> bytes);

// A bitmap resource of the program's own image, viewed in place, with its checked layout.
struct PackedDib {
  std::span<const std::byte> bytes;
  PackedDibLayout layout;
};
// Finds the resource by name and checks it; throws std::runtime_error, naming it, when it is
// missing or unusable.
PackedDib findBitmapResource(std::string_view name);
// The error for a bitmap resource that was found but cannot be used, and why.
std::runtime_error bitmapResourceError(std::string_view name, std::string_view why);

}  // namespace graphics
