#pragma once
#include <vector>

#include "graphics/font.h"
#include "graphics/geometry.h"

namespace toolkit {

// Descriptions give every size in pixels at this density; a window shows them at its screen's.
inline constexpr int kDesignDensity = 96;

// v * numerator / denominator rounded to the nearest integer, halves away from zero, as the
// system's MulDiv rounds, so that sizes match what the system computes for its own dialogs.
int mulDiv(int v, int numerator, int denominator);

// A 96-dpi value at `dpi`.
inline int scaledToDensity(int v, int dpi) {
  return mulDiv(v, dpi, kDesignDensity);
}
// Left, top, width and height each scaled: the sides follow from them, so that a width never
// depends on where the rectangle starts.
graphics::Rect scaledToDensity(const graphics::Rect& r, int dpi);
// Only the height changes; a negative one (a character height) stays negative.
graphics::Font scaledToDensity(const graphics::Font& f, int dpi);

// A rectangle as a description gives it, at 96 dpi, and as shown at a density. The shown one is
// always computed from the 96-dpi one, so nothing drifts however often the density changes.
class ScaledRect {
 public:
  const graphics::Rect& shown() const { return shown_; }
  const graphics::Rect& design() const { return design_; }
  int density() const { return density_; }

  // Each returns whether the shown rectangle changed.
  bool setDesign(const graphics::Rect& r);
  // From code that works in shown pixels: the 96-dpi rectangle is taken back from it, exactly
  // at 96 dpi and to the nearest pixel at any other.
  bool setShown(const graphics::Rect& r);
  // A density below 1 changes nothing.
  bool scaleTo(int dpi);

 private:
  graphics::Rect design_;
  graphics::Rect shown_;
  int density_ = kDesignDensity;
};

class DensityFollowers;

// A window that shows its 96-dpi bounds at its parent's density, and is told when that changes.
// Whichever of a follower and its list goes first, the other forgets it.
class DensityFollower {
 public:
  virtual void followDensity() = 0;

 protected:
  DensityFollower() = default;
  DensityFollower(const DensityFollower&) = delete;
  DensityFollower& operator=(const DensityFollower&) = delete;
  virtual ~DensityFollower();

 private:
  friend class DensityFollowers;
  DensityFollowers* list_ = nullptr;  // not owned: the list it is on, if any
};

// The child windows of a window, which follow its density; each is on one list at a time.
class DensityFollowers {
 public:
  DensityFollowers() = default;
  DensityFollowers(const DensityFollowers&) = delete;
  DensityFollowers& operator=(const DensityFollowers&) = delete;
  ~DensityFollowers();

  // Takes the follower off the list it was on.
  void add(DensityFollower& f);
  void remove(DensityFollower& f);
  void tellAll() const;

 private:
  std::vector<DensityFollower*> followers_;  // not owned
};

}  // namespace toolkit
