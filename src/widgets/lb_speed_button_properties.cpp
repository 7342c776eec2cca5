// The speed button's published properties in publication order: first what it publishes of its
// base (position, size, cursor), then its own table, base properties in their places.
//
// Every default is what a fresh button reads, so the control's member initialisers and
// constructor are the one place that says what a button starts with; the table only says which
// values a description leaves out.
#include "widgets/lb_speed_button_properties.h"

#include <limits>

#include "description/control_properties.h"
#include "description/object_properties.h"
#include "description/toolkit_classes.h"
#include "graphics/canvas.h"
#include "widgets/lb_speed_button.h"

namespace widgets {
namespace {

using description::booleanCodec;
using description::colorCodec;
using description::enumCodec;
using B = TLbSpeedButton;

// The largest side a description gives a button: its face is one bitmap, which stays within
// the bitmap limit at up to 500% screen scaling.
constexpr int kMaxScreenScaling = 5;
constexpr int kMaxSide = graphics::kMaxBitmapSide / kMaxScreenScaling;

// A property of the button's own whose default is what `fresh` reads.
template <class T, auto Get, auto Set>
std::shared_ptr<const description::Property> own(std::string name,
                                                 description::Codec<description::Held<T>> codec,
                                                 const B& fresh) {
  return description::valueProperty<B, T, Get, Set>(std::move(name), std::move(codec),
                                                    std::invoke(Get, fresh));
}

template <TColor (B::*Get)() const, void (B::*Set)(TColor)>
std::shared_ptr<const description::Property> color(std::string name, const B& fresh) {
  return own<TColor, Get, Set>(std::move(name), colorCodec(), fresh);
}

template <bool (B::*Get)() const, void (B::*Set)(bool)>
std::shared_ptr<const description::Property> flag(std::string name, const B& fresh) {
  return own<bool, Get, Set>(std::move(name), booleanCodec(), fresh);
}

description::Codec<int> wholeNumberCodec() {
  return description::integerCodec(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
}

}  // namespace

void addSpeedButtonClass(description::ClassRegistry& classes) {
  namespace published = description::published;
  description::ClassInfo& info = classes.add<B, toolkit::GraphicControl>("TLbSpeedButton");
  info.make = description::makeOwned<B>;
  published::placeOnPanels(info, classes);
  const B fresh(nullptr);
  info.properties = {
      published::left<B>(fresh.left()),
      published::top<B>(fresh.top()),
      published::width<B>(fresh.width(), kMaxSide),
      published::height<B>(fresh.height(), kMaxSide),
      published::cursor(fresh),
      published::action(),
      own<TAlignment, &B::alignment, &B::setAlignment>("Alignment", enumCodec(kAlignmentNames), fresh),
      flag<&B::allowAllUp, &B::setAllowAllUp>("AllowAllUp", fresh),
      published::caption(fresh),
      published::color(fresh),
      color<&B::colorWhenDown, &B::setColorWhenDown>("ColorWhenDown", fresh),
      // Always reads lcsCustom, the default: never stored, though a description may apply one.
      own<TLbColorStyle, &B::colorStyle, &B::setColorStyle>("ColorStyle", enumCodec(kColorStyleNames), fresh),
      flag<&B::down, &B::setDown>("Down", fresh),
      published::enabled(fresh),
      flag<&B::flat, &B::setFlat>("Flat", fresh),
      published::font(),
      description::pictureProperty<B, [](const B& b) -> const graphics::Bitmap& { return b.glyph(); },
                                   [](B& b) -> graphics::Bitmap& { return b.glyph(); }>("Glyph"),
      own<int, &B::groupIndex, &B::setGroupIndex>("GroupIndex", wholeNumberCodec(), fresh),
      color<&B::hotTrackColor, &B::setHotTrackColor>("HotTrackColor", fresh),
      description::fontProperty<B, [](const B& b) -> const graphics::Font& { return b.hotTrackFont(); },
                                [](B& b, const graphics::Font& f) { b.hotTrackFont() = f; },
                                [](const B& b) { return B::defaultHotTrackFont(b.owner()); }>("HotTrackFont"),
      published::hint(fresh),
      own<TLbSpeedButtonLayout, &B::layout, &B::setLayout>("Layout", enumCodec(kLayoutNames), fresh),
      color<&B::lightColor, &B::setLightColor>("LightColor", fresh),
      own<int, &B::numGlyphs, &B::setNumGlyphs>("NumGlyphs", wholeNumberCodec(), fresh),
      published::parentColor(fresh),
      published::parentFont(fresh),
      published::parentShowHint(fresh),
      published::popupMenu(),
      color<&B::shadowColor, &B::setShadowColor>("ShadowColor", fresh),
      published::showHint(fresh),
      flag<&B::slowDecease, &B::setSlowDecease>("SlowDecease", fresh),
      own<TLbSpeedButtonStyle, &B::style, &B::setStyle>("Style", enumCodec(kStyleNames), fresh),
      flag<&B::transparent, &B::setTransparent>("Transparent", fresh),
      flag<&B::useHotTrackFont, &B::setUseHotTrackFont>("UseHotTrackFont", fresh),
      published::visible(fresh),
      flag<&B::wordWrap, &B::setWordWrap>("WordWrap", fresh),
      published::onClick(),
      published::onMouseDown(),
      description::eventProperty<&B::onMouseEnter>("OnMouseEnter"),
      description::eventProperty<&B::onMouseExit>("OnMouseExit"),
      published::onMouseMove(),
      published::onMouseUp(),
  };
}

}  // namespace widgets
