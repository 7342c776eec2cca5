#include <png.h>

#include <cstdint>
#include <stdexcept>
#include <vector>

#include "image_file.h"

namespace gallery {

void writeImage(const graphics::Bitmap& bitmap, const std::string& path) {
  std::vector<std::uint8_t> rgb;
  rgb.reserve(static_cast<std::size_t>(bitmap.width()) * bitmap.height() * 3);
  for (int y = 0; y < bitmap.height(); ++y) {
    for (int x = 0; x < bitmap.width(); ++x) {
      const graphics::Color c = bitmap.canvas().pixel(x, y);
      rgb.push_back(graphics::red(c));
      rgb.push_back(graphics::green(c));
      rgb.push_back(graphics::blue(c));
    }
  }
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(bitmap.width());
  image.height = static_cast<png_uint_32>(bitmap.height());
  image.format = PNG_FORMAT_RGB;
  if (png_image_write_to_file(&image, path.c_str(), 0, rgb.data(), 0, nullptr) == 0) {
    const std::string message = image.message;
    png_image_free(&image);
    throw std::runtime_error("Cannot write " + path + ": " + message);
  }
}

}  // namespace gallery
