#include "graphics/win32/gdi_surface_pool.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

namespace graphics::win32 {
namespace {

constexpr std::size_t kKeptPerKind = 8;

struct Pool {
  std::vector<UniqueDc> dcs;
  std::vector<PooledDib> dibs;
};

// Bitmaps that outlive the thread's pool (statics, destroyed after thread-local objects) must
// not hand their handles to it; they delete them instead.
thread_local bool poolGone = false;

struct PoolOwner {
  Pool pool;
  ~PoolOwner() { poolGone = true; }
};

Pool* threadPool() {
  if (poolGone) return nullptr;
  thread_local PoolOwner owner;
  return &owner.pool;
}

PooledDib createDib(int width, int height) {
  PooledDib dib;
  dib.width = width;
  dib.height = height;
  if (width == 0 || height == 0) return dib;  // GDI makes no empty DIB sections
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  dib.handle.reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!dib.handle) {
    throw std::runtime_error("CreateDIBSection failed for " + std::to_string(width) + " x " +
                             std::to_string(height) + " (error " + std::to_string(GetLastError()) + ")");
  }
  dib.bits = static_cast<std::uint32_t*>(bits);
  return dib;
}

}  // namespace

UniqueDc takeMemoryDc() {
  Pool* pool = threadPool();
  if (pool != nullptr && !pool->dcs.empty()) {
    UniqueDc dc = std::move(pool->dcs.back());
    pool->dcs.pop_back();
    MoveToEx(dc.get(), 0, 0, nullptr);
    return dc;
  }
  UniqueDc dc(CreateCompatibleDC(nullptr));
  if (!dc)
    throw std::runtime_error("CreateCompatibleDC failed (error " + std::to_string(GetLastError()) + ")");
  return dc;
}

void giveBackMemoryDc(UniqueDc dc) {
  Pool* pool = threadPool();
  if (dc && pool != nullptr && pool->dcs.size() < kKeptPerKind) pool->dcs.push_back(std::move(dc));
}

PooledDib takeDib(int width, int height) {
  Pool* pool = threadPool();
  if (pool != nullptr && width > 0 && height > 0) {
    const auto same = std::find_if(pool->dibs.begin(), pool->dibs.end(), [&](const PooledDib& d) {
      return d.width == width && d.height == height;
    });
    if (same != pool->dibs.end()) {
      PooledDib dib = std::move(*same);
      pool->dibs.erase(same);
      GdiFlush();
      std::memset(dib.bits, 0, static_cast<std::size_t>(width) * height * sizeof(std::uint32_t));
      return dib;
    }
  }
  return createDib(width, height);
}

void giveBackDib(PooledDib dib) {
  Pool* pool = threadPool();
  if (!dib.handle || pool == nullptr) return;
  if (pool->dibs.size() >= kKeptPerKind) pool->dibs.erase(pool->dibs.begin());  // the oldest goes
  pool->dibs.push_back(std::move(dib));
}

}  // namespace graphics::win32
