#pragma once
#include "graphics/geometry.h"

// Where everything sits in the showcase window: the window builds itself from these, and the
// end-to-end tests find what they click and point at through them. Panels are placed in the
// form's client area, buttons in their panel; all at 96 dpi, which the window scales to its
// screen's density.
namespace showcase::layout {

using graphics::Rect;

inline constexpr int kClientWidth = 760;
inline constexpr int kClientHeight = 560;

inline constexpr Rect kFacesPanel{8, 8, 376, 118};
inline constexpr Rect kColoursPanel{8, 126, 376, 262};
inline constexpr Rect kTransparentPanel{8, 270, 376, 368};
inline constexpr Rect kFlatPanel{8, 376, 376, 454};

inline constexpr Rect kGroupPanel{384, 8, 752, 82};
inline constexpr Rect kAcceleratorPanel{384, 90, 752, 164};
inline constexpr Rect kPopupPanel{384, 172, 752, 246};
inline constexpr Rect kActionPanel{384, 254, 752, 346};
inline constexpr Rect kGlyphPanel{384, 354, 752, 454};

inline constexpr Rect kEventsPanel{8, 462, 752, 552};
inline constexpr Rect kEventLog{8, 22, 736, 84};

// A row of buttons in a panel: the first at `left`, each `width` wide, `gap` apart.
constexpr Rect rowButton(int index, int top, int width, int height = 30, int left = 10, int gap = 8) {
  const int x = left + index * (width + gap);
  return {x, top, x + width, top + height};
}

inline constexpr int kHeadingHeight = 20;
inline constexpr int kFirstRow = 24;

constexpr Rect at(int left, int top, int width, int height) {
  return {left, top, left + width, top + height};
}

// The group of three, and the button that switches AllowAllUp for them.
constexpr Rect groupButton(int i) {
  return rowButton(i, kFirstRow + 4, 72);
}
inline constexpr Rect kAllowAllUpButton = at(256, kFirstRow + 4, 102, 30);

inline constexpr Rect kOpenButton = at(10, kFirstRow + 4, 76, 30);
inline constexpr Rect kSaveButton = at(94, kFirstRow + 4, 76, 30);
inline constexpr Rect kLiteralButton = at(178, kFirstRow + 4, 100, 30);
inline constexpr Rect kCloseButton = at(286, kFirstRow + 4, 72, 30);

inline constexpr Rect kColourButton = at(10, kFirstRow + 4, 120, 30);
inline constexpr Rect kFlatMenuButton = at(140, kFirstRow + 4, 120, 30);

inline constexpr Rect kPlayButton = at(10, kFirstRow + 8, 104, 44);
inline constexpr Rect kPlayQuickenButton = at(122, kFirstRow + 8, 104, 44);
inline constexpr Rect kActionSwitch = at(238, kFirstRow + 8, 120, 44);

}  // namespace showcase::layout
