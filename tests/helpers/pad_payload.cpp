// Build-time tool, compiled for the build machine: makes a payload of an exact size from a real
// executable by appending bytes after its image, which the loader ignores. The appended bytes
// follow a pattern, so that a shifted or partly lost copy of the payload never matches it.
//   pad_payload <executable> <output> <size>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <vector>

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: pad_payload <executable> <output> <size>\n");
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary | std::ios::ate);
  const auto size = static_cast<std::size_t>(std::strtoull(argv[3], nullptr, 10));
  const std::streamoff length = in ? static_cast<std::streamoff>(in.tellg()) : 0;
  std::vector<char> bytes(length > 0 ? static_cast<std::size_t>(length) : 0);
  in.seekg(0);
  if (!in.read(bytes.data(), static_cast<std::streamsize>(bytes.size())) || bytes.empty() ||
      bytes.size() > size) {
    std::fprintf(stderr, "pad_payload: cannot read %s, or it is larger than %zu bytes\n", argv[1], size);
    return 1;
  }
  std::uint32_t state = 0x2545F491u;
  bytes.reserve(size);
  while (bytes.size() < size) {
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    bytes.push_back(static_cast<char>(state >> 24));
  }
  std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) {
    std::fprintf(stderr, "pad_payload: cannot write %s\n", argv[2]);
    return 1;
  }
  return 0;
}
