#pragma once
#include "widgets/lb_button_types.h"
#include "widgets/lb_colors.h"

namespace widgets {

// The values a ready-made colour style gives a button.
struct TLbColorStylePreset {
  TColor color;
  TColor lightColor;
  TColor shadowColor;
  TColor colorWhenDown;
  TColor hotTrackColor;
  TColor fontColor;
  bool flat;
  TLbSpeedButtonStyle style;

  bool operator==(const TLbColorStylePreset&) const = default;
};

// Throws std::invalid_argument for lcsCustom, which stands for colours set one by one, and for
// values outside the enumeration.
TLbColorStylePreset GetColorStylePreset(TLbColorStyle style);

}  // namespace widgets
