#include "toolkit/screen_density.h"

#include <cstdint>
#include <vector>

namespace toolkit {

int mulDiv(int v, int numerator, int denominator) {
  const std::int64_t product = std::int64_t{v} * numerator;
  const std::int64_t half = denominator / 2;
  return static_cast<int>(product >= 0 ? (product + half) / denominator : (product - half) / denominator);
}

graphics::Rect scaledToDensity(const graphics::Rect& r, int dpi) {
  const int left = scaledToDensity(r.left, dpi);
  const int top = scaledToDensity(r.top, dpi);
  return {left, top, left + scaledToDensity(r.width(), dpi), top + scaledToDensity(r.height(), dpi)};
}

graphics::Font scaledToDensity(const graphics::Font& f, int dpi) {
  graphics::Font scaled = f;
  scaled.height = scaledToDensity(f.height, dpi);
  return scaled;
}

bool ScaledRect::setDesign(const graphics::Rect& r) {
  design_ = r;
  const graphics::Rect before = shown_;
  shown_ = scaledToDensity(r, density_);
  return shown_ != before;
}

bool ScaledRect::setShown(const graphics::Rect& r) {
  if (r == shown_) return false;
  const int left = mulDiv(r.left, kDesignDensity, density_);
  const int top = mulDiv(r.top, kDesignDensity, density_);
  design_ = {left, top, left + mulDiv(r.width(), kDesignDensity, density_),
             top + mulDiv(r.height(), kDesignDensity, density_)};
  shown_ = r;
  return true;
}

bool ScaledRect::scaleTo(int dpi) {
  if (dpi < 1) return false;  // no density to speak of: stays as it is
  density_ = dpi;
  return setDesign(design_);
}

DensityFollower::~DensityFollower() {
  if (list_) list_->remove(*this);
}

DensityFollowers::~DensityFollowers() {
  for (DensityFollower* f : followers_) f->list_ = nullptr;
}

void DensityFollowers::add(DensityFollower& f) {
  if (f.list_ == this) return;
  if (f.list_) f.list_->remove(f);
  followers_.push_back(&f);
  f.list_ = this;
}

void DensityFollowers::remove(DensityFollower& f) {
  std::erase(followers_, &f);
  if (f.list_ == this) f.list_ = nullptr;
}

void DensityFollowers::tellAll() const {
  const auto followers = followers_;  // a follower may leave while it is told
  for (DensityFollower* f : followers) f->followDensity();
}

}  // namespace toolkit
