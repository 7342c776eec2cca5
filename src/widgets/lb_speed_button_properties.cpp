// The speed button's published properties in publication order: first what it publishes of its
// base (position, size, cursor), then its own table, base properties in their places.
#include "widgets/lb_speed_button_properties.h"

#include <limits>

#include "platform/control_properties.h"
#include "platform/form.h"
#include "platform/object_properties.h"
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

std::shared_ptr<const platform::Property> color(std::string name, TColor (B::*get)() const,
                                                void (B::*set)(TColor), TColor def) {
  return valueProperty<B, TColor>(std::move(name), colorCodec(), get, set, def);
}

std::shared_ptr<const platform::Property> flag(std::string name, bool (B::*get)() const,
                                               void (B::*set)(bool)) {
  return valueProperty<B, bool>(std::move(name), booleanCodec(), get, set, false);
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
      valueProperty<B, TAlignment>("Alignment",
                                   enumCodec<TAlignment>({"taLeftJustify", "taRightJustify", "taCenter"}),
                                   &B::alignment, &B::setAlignment, taLeftJustify),
      flag("AllowAllUp", &B::allowAllUp, &B::setAllowAllUp),
      published::caption(),
      published::color(),
      color("ColorWhenDown", &B::colorWhenDown, &B::setColorWhenDown, clNone),
      // Always reads lcsCustom, the default: never stored, though a description may apply one.
      valueProperty<B, TLbColorStyle>(
          "ColorStyle",
          enumCodec<TLbColorStyle>({"lcsCustom", "lcsGold", "lcsChrome", "lcsBlue", "lcsRed", "lcsUltraFlat1",
                                    "lcsUltraFlat2", "lcsUltraFlatXP", "lcsAqua", "lcsDefault",
                                    "lcsQuicken"}),
          &B::colorStyle, &B::setColorStyle, lcsCustom),
      flag("Down", &B::down, &B::setDown),
      published::enabled(),
      flag("Flat", &B::flat, &B::setFlat),
      published::font(),
      std::make_shared<platform::PictureProperty<B>>(
          "Glyph", [](const B& b) -> const platform::Bitmap& { return b.glyph(); },
          [](B& b) -> platform::Bitmap& { return b.glyph(); }),
      valueProperty<B, int>(
          "GroupIndex",
          platform::integerCodec(std::numeric_limits<int>::min(), std::numeric_limits<int>::max()),
          &B::groupIndex, &B::setGroupIndex, 0),
      color("HotTrackColor", &B::hotTrackColor, &B::setHotTrackColor, clNone),
      platform::fontProperty<B>(
          "HotTrackFont", [](const B& b) -> const platform::Font& { return b.hotTrackFont(); },
          [](B& b, const platform::Font& f) { b.hotTrackFont() = f; }, defaultHotTrackFont),
      published::hint(),
      valueProperty<B, TLbSpeedButtonLayout>(
          "Layout",
          enumCodec<TLbSpeedButtonLayout>({"blGlyphLeft", "blGlyphRight", "blGlyphTop", "blGlyphBottom"}),
          &B::layout, &B::setLayout, blGlyphLeft),
      color("LightColor", &B::lightColor, &B::setLightColor, clWhite),
      valueProperty<B, int>(
          "NumGlyphs",
          platform::integerCodec(std::numeric_limits<int>::min(), std::numeric_limits<int>::max()),
          &B::numGlyphs, &B::setNumGlyphs, 0),
      published::parentColor(),
      published::parentFont(),
      published::parentShowHint(),
      published::popupMenu(),
      color("ShadowColor", &B::shadowColor, &B::setShadowColor, clBlack),
      published::showHint(),
      flag("SlowDecease", &B::slowDecease, &B::setSlowDecease),
      valueProperty<B, TLbSpeedButtonStyle>(
          "Style",
          enumCodec<TLbSpeedButtonStyle>(
              {"bsNormal", "bsEncarta", "bsModern", "bsOld", "bsShape", "bsQuicken"}),
          &B::style, &B::setStyle, bsNormal),
      flag("Transparent", &B::transparent, &B::setTransparent),
      flag("UseHotTrackFont", &B::useHotTrackFont, &B::setUseHotTrackFont),
      published::visible(),
      flag("WordWrap", &B::wordWrap, &B::setWordWrap),
      published::onClick(),
      published::onMouseDown(),
      platform::eventProperty("OnMouseEnter", &B::onMouseEnter),
      platform::eventProperty("OnMouseExit", &B::onMouseExit),
      published::onMouseMove(),
      published::onMouseUp(),
  };
}

}  // namespace widgets
