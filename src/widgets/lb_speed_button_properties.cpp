// The speed button's published properties in publication order: first what it publishes of its
// base (position, size, cursor), then its own table, base properties in their places.
#include "widgets/lb_speed_button_properties.h"

#include <limits>

#include "description/control_properties.h"
#include "description/object_properties.h"
#include "description/toolkit_classes.h"
#include "toolkit/form.h"
#include "widgets/lb_speed_button.h"

namespace widgets {
namespace {

using platform::booleanCodec;
using platform::colorCodec;
using platform::enumCodec;
using platform::valueProperty;
using B = TLbSpeedButton;

// A button made by a form starts with the form's font as its hot-track font.
platform::Font defaultHotTrackFont(const B& b) {
  const auto* form = dynamic_cast<const platform::Form*>(b.owner());
  return form ? form->font() : platform::Font{};
}

template <TColor (B::*Get)() const, void (B::*Set)(TColor)>
std::shared_ptr<const platform::Property> color(std::string name, TColor def) {
  return valueProperty<B, TColor, Get, Set>(std::move(name), colorCodec(), def);
}

template <bool (B::*Get)() const, void (B::*Set)(bool)>
std::shared_ptr<const platform::Property> flag(std::string name) {
  return valueProperty<B, bool, Get, Set>(std::move(name), booleanCodec(), false);
}

}  // namespace

void addSpeedButtonClass(platform::ClassRegistry& classes) {
  namespace published = platform::published;
  platform::ClassInfo& info = classes.add<B, platform::GraphicControl>("TLbSpeedButton");
  info.make = platform::makeOwned<B>;
  published::placeOnPanels(info, classes);
  info.properties = {
      published::left<B>(),
      published::top<B>(),
      published::width<B>(100),
      published::height<B>(23),
      published::cursor(),
      published::action(),
      valueProperty<B, TAlignment, &B::alignment, &B::setAlignment>(
          "Alignment", enumCodec<TAlignment>({"taLeftJustify", "taRightJustify", "taCenter"}), taLeftJustify),
      flag<&B::allowAllUp, &B::setAllowAllUp>("AllowAllUp"),
      published::caption(),
      published::color(),
      color<&B::colorWhenDown, &B::setColorWhenDown>("ColorWhenDown", clNone),
      // Always reads lcsCustom, the default: never stored, though a description may apply one.
      valueProperty<B, TLbColorStyle, &B::colorStyle, &B::setColorStyle>(
          "ColorStyle",
          enumCodec<TLbColorStyle>({"lcsCustom", "lcsGold", "lcsChrome", "lcsBlue", "lcsRed", "lcsUltraFlat1",
                                    "lcsUltraFlat2", "lcsUltraFlatXP", "lcsAqua", "lcsDefault",
                                    "lcsQuicken"}),
          lcsCustom),
      flag<&B::down, &B::setDown>("Down"),
      published::enabled(),
      flag<&B::flat, &B::setFlat>("Flat"),
      published::font(),
      platform::pictureProperty<B, [](const B& b) -> const platform::Bitmap& { return b.glyph(); },
                                [](B& b) -> platform::Bitmap& { return b.glyph(); }>("Glyph"),
      valueProperty<B, int, &B::groupIndex, &B::setGroupIndex>(
          "GroupIndex",
          platform::integerCodec(std::numeric_limits<int>::min(), std::numeric_limits<int>::max()), 0),
      color<&B::hotTrackColor, &B::setHotTrackColor>("HotTrackColor", clNone),
      platform::fontProperty<B, [](const B& b) -> const platform::Font& { return b.hotTrackFont(); },
                             [](B& b, const platform::Font& f) { b.hotTrackFont() = f; },
                             defaultHotTrackFont>("HotTrackFont"),
      published::hint(),
      valueProperty<B, TLbSpeedButtonLayout, &B::layout, &B::setLayout>(
          "Layout",
          enumCodec<TLbSpeedButtonLayout>({"blGlyphLeft", "blGlyphRight", "blGlyphTop", "blGlyphBottom"}),
          blGlyphLeft),
      color<&B::lightColor, &B::setLightColor>("LightColor", clWhite),
      valueProperty<B, int, &B::numGlyphs, &B::setNumGlyphs>(
          "NumGlyphs",
          platform::integerCodec(std::numeric_limits<int>::min(), std::numeric_limits<int>::max()), 0),
      published::parentColor(),
      published::parentFont(),
      published::parentShowHint(),
      published::popupMenu(),
      color<&B::shadowColor, &B::setShadowColor>("ShadowColor", clBlack),
      published::showHint(),
      flag<&B::slowDecease, &B::setSlowDecease>("SlowDecease"),
      valueProperty<B, TLbSpeedButtonStyle, &B::style, &B::setStyle>(
          "Style",
          enumCodec<TLbSpeedButtonStyle>(
              {"bsNormal", "bsEncarta", "bsModern", "bsOld", "bsShape", "bsQuicken"}),
          bsNormal),
      flag<&B::transparent, &B::setTransparent>("Transparent"),
      flag<&B::useHotTrackFont, &B::setUseHotTrackFont>("UseHotTrackFont"),
      published::visible(),
      flag<&B::wordWrap, &B::setWordWrap>("WordWrap"),
      published::onClick(),
      published::onMouseDown(),
      platform::eventProperty<&B::onMouseEnter>("OnMouseEnter"),
      platform::eventProperty<&B::onMouseExit>("OnMouseExit"),
      published::onMouseMove(),
      published::onMouseUp(),
  };
}

}  // namespace widgets
