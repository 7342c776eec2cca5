// The order in which the speed button publishes its properties: a window description stores
// them in it and loading applies them in it, so it is written out here name by name rather
// than read from the table it checks.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "description/class_registry.h"
#include "description/toolkit_classes.h"
#include "widgets/lb_speed_button_properties.h"

namespace widgets::testing {
namespace {

TEST(SpeedButtonPublication, FollowsTheBasesPlacesThenTheOwnTableInItsOrder) {
  description::ClassRegistry classes;
  description::addToolkitClasses(classes);
  addSpeedButtonClass(classes);
  std::vector<std::string> names;
  for (const auto& p : classes.find("TLbSpeedButton")->properties) names.push_back(p->name());
  const std::vector<std::string> published = {
      // What it publishes of its base first: position, size, cursor.
      "Left", "Top", "Width", "Height", "Cursor",
      // Then its own table, the base's properties in their places.
      "Action", "Alignment", "AllowAllUp", "Caption", "Color", "ColorWhenDown", "ColorStyle", "Down",
      "Enabled", "Flat", "Font", "Glyph", "GroupIndex", "HotTrackColor", "HotTrackFont", "Hint", "Layout",
      "LightColor", "NumGlyphs", "ParentColor", "ParentFont", "ParentShowHint", "PopupMenu", "ShadowColor",
      "ShowHint", "SlowDecease", "Style", "Transparent", "UseHotTrackFont", "Visible", "WordWrap",
      // Its events last.
      "OnClick", "OnMouseDown", "OnMouseEnter", "OnMouseExit", "OnMouseMove", "OnMouseUp"};
  EXPECT_EQ(names, published);
}

}  // namespace
}  // namespace widgets::testing
