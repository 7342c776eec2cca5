// What a bitmap resource may be: both backends read its pixels only after this check.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "graphics/packed_dib.h"

namespace graphics {
namespace {

struct Header {
  std::uint32_t headerSize = 40;
  std::int32_t width = 5;
  std::int32_t height = 3;
  std::uint16_t bitCount = 4;
  std::uint32_t compression = 0;
  std::uint32_t colorsUsed = 0;
};

// The header, then `rest` bytes of colour table and rows.
std::vector<std::byte> packed(const Header& h, std::size_t rest) {
  std::vector<std::byte> bytes(std::max<std::size_t>(h.headerSize, 40) + rest);
  const auto put = [&](std::size_t at, std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i) bytes[at + i] = static_cast<std::byte>(value >> (8 * i));
  };
  put(0, h.headerSize, 4);
  put(4, static_cast<std::uint32_t>(h.width), 4);
  put(8, static_cast<std::uint32_t>(h.height), 4);
  put(12, 1, 2);  // planes
  put(14, h.bitCount, 2);
  put(16, h.compression, 4);
  put(32, h.colorsUsed, 4);
  return bytes;
}

TEST(PackedDibLayout, FindsTheTableAndTheRowsOfEveryUsableDepth) {
  struct Case {
    const char* what;
    Header header;
    std::size_t rest;
    int height;
    bool topDown;
    std::size_t pixelsAt;
    std::size_t stride;
  };
  const Case cases[] = {
      {"the popup arrow: 5 x 3, 16 colours, bottom-up", {}, 64 + 3 * 4, 3, false, 104, 4},
      {"a short colour table", {.bitCount = 8, .colorsUsed = 2}, 8 + 3 * 8, 3, false, 48, 8},
      {"top-down true colour, rows padded",
       {.width = 3, .height = -2, .bitCount = 24},
       2 * 12,
       2,
       true,
       40,
       12},
      {"true colour with an optional table",
       {.width = 1, .height = 1, .bitCount = 32, .colorsUsed = 2},
       8 + 4,
       1,
       false,
       48,
       4},
      {"a larger header",
       {.headerSize = 124, .width = 9, .height = 1, .bitCount = 1},
       8 + 4,
       1,
       false,
       132,
       4},
      {"no rows at all", {.width = 0, .height = 0, .bitCount = 24}, 0, 0, false, 40, 0},
  };
  for (const Case& c : cases) {
    const auto bytes = packed(c.header, c.rest);
    const PackedDibLayout dib = readPackedDibLayout(bytes);
    EXPECT_EQ(dib.width, c.header.width) << c.what;
    EXPECT_EQ(dib.height, c.height) << c.what;
    EXPECT_EQ(dib.topDown, c.topDown) << c.what;
    EXPECT_EQ(dib.bitCount, c.header.bitCount) << c.what;
    EXPECT_EQ(dib.pixelsAt, c.pixelsAt) << c.what;
    EXPECT_EQ(dib.stride, c.stride) << c.what;
  }
}

TEST(PackedDibLayout, RefusesWhatItCannotReadWholeOrAtAll) {
  struct Case {
    const char* what;
    Header header;
    std::size_t rest;
    const char* error;
  };
  const Case cases[] = {
      {"one byte of the last row missing", {}, 64 + 3 * 4 - 1, "truncated bitmap"},
      {"the colour table cut short", {}, 60, "truncated bitmap"},
      {"a colour count that would wrap a 32-bit size",
       {.bitCount = 8, .colorsUsed = 0x40000001},
       16,
       "truncated bitmap"},
      {"a height whose rows would wrap a 32-bit size",
       {.width = 1, .height = 0x40000001, .bitCount = 32},
       16,
       "truncated bitmap"},
      {"a width whose rows would wrap a 32-bit size",
       {.width = 0x08000000, .height = 1, .bitCount = 32},
       16,
       "truncated bitmap"},
      {"a row of no height that a 32-bit size would wrap",
       {.width = 0x7FFFFFFF, .height = 0, .bitCount = 32},
       0,
       "bitmap larger than 16384 pixels on a side"},
      {"a whole bitmap wider than any the program makes",
       {.width = 16385, .height = 1, .bitCount = 1},
       8 + 2052,
       "bitmap larger than 16384 pixels on a side"},
      {"an old core header", {.headerSize = 12}, 64, "unsupported bitmap format"},
      {"run-length compression", {.bitCount = 8, .compression = 1}, 1024, "unsupported bitmap format"},
      {"a negative width", {.width = -5}, 76, "unsupported bitmap format"},
      {"16 bits per pixel", {.bitCount = 16}, 76, "unsupported bitmap depth"},
  };
  for (const Case& c : cases) {
    const auto bytes = packed(c.header, c.rest);
    try {
      readPackedDibLayout(bytes);
      ADD_FAILURE() << c.what << ": accepted";
    } catch (const std::runtime_error& e) {
      EXPECT_EQ(std::string(e.what()), c.error) << c.what;
    }
  }
  auto tooShort = packed({}, 0);
  tooShort.resize(39);
  EXPECT_THROW(readPackedDibLayout(tooShort), std::runtime_error) << "less than a header";
}

TEST(BitmapResource, MissingOneIsNamed) {
  try {
    findBitmapResource("NO_SUCH_BITMAP");
    ADD_FAILURE() << "found";
  } catch (const std::runtime_error& e) {
    EXPECT_EQ(std::string(e.what()), "Bitmap resource 'NO_SUCH_BITMAP' not found");
  }
}

}  // namespace
}  // namespace graphics
