#include <cstdint>
#include <fstream>
#include <stdexcept>
#include <vector>

#include "image_file.h"

namespace gallery {
namespace {

void put16(std::vector<char>& out, std::uint16_t v) {
  out.push_back(static_cast<char>(v & 0xFF));
  out.push_back(static_cast<char>(v >> 8));
}

void put32(std::vector<char>& out, std::uint32_t v) {
  for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<char>((v >> shift) & 0xFF));
}

}  // namespace

// A 24-bit bottom-up BMP: rows padded to 4 bytes, blue first.
void writeImage(const graphics::Bitmap& bitmap, const std::string& path) {
  const int w = bitmap.width();
  const int h = bitmap.height();
  const std::uint32_t rowBytes = (static_cast<std::uint32_t>(w) * 3 + 3) & ~3u;
  const std::uint32_t pixelBytes = rowBytes * static_cast<std::uint32_t>(h);
  std::vector<char> out;
  out.reserve(54 + pixelBytes);
  out.push_back('B');
  out.push_back('M');
  put32(out, 54 + pixelBytes);
  put32(out, 0);
  put32(out, 54);
  put32(out, 40);
  put32(out, static_cast<std::uint32_t>(w));
  put32(out, static_cast<std::uint32_t>(h));
  put16(out, 1);
  put16(out, 24);
  put32(out, 0);
  put32(out, pixelBytes);
  put32(out, 2835);
  put32(out, 2835);
  put32(out, 0);
  put32(out, 0);
  for (int y = h - 1; y >= 0; --y) {
    for (int x = 0; x < w; ++x) {
      const graphics::Color c = bitmap.canvas().pixel(x, y);
      out.push_back(static_cast<char>(graphics::blue(c)));
      out.push_back(static_cast<char>(graphics::green(c)));
      out.push_back(static_cast<char>(graphics::red(c)));
    }
    for (std::uint32_t pad = static_cast<std::uint32_t>(w) * 3; pad < rowBytes; ++pad) out.push_back(0);
  }
  std::ofstream file(path, std::ios::binary);
  file.write(out.data(), static_cast<std::streamsize>(out.size()));
  file.close();
  if (!file) throw std::runtime_error("Cannot write " + path);
}

}  // namespace gallery
