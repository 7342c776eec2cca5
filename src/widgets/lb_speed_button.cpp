#include "widgets/lb_speed_button.h"

#include <utility>
#include <vector>

#include "toolkit/accelerator.h"
#include "toolkit/action.h"
#include "toolkit/control_host.h"
#include "toolkit/form.h"
#include "toolkit/image_list.h"
#include "toolkit/popup_menu.h"
#include "widgets/lb_color_styles.h"

namespace widgets {

TLbSpeedButton::TLbSpeedButton(toolkit::Component* owner)
    : GraphicControl(owner), glyph_(graphics::createBitmap(0, 0)), hotTrackFont_(defaultHotTrackFont(owner)) {
  setHeight(23);
  setWidth(100);
}

graphics::Font TLbSpeedButton::defaultHotTrackFont(const toolkit::Component* owner) {
  // A button made by a form speaks in the form's font when hot, unless told otherwise.
  const auto* form = dynamic_cast<const toolkit::Form*>(owner);
  return form ? form->font() : graphics::Font{};
}

TLbSpeedButton::~TLbSpeedButton() {
  markDestroying();  // from here on a tick does nothing
  if (fadeThread_) stopFadeThread();
}

void TLbSpeedButton::refresh() {
  if (transparent_) {
    invalidate();  // the parent's background must be drawn beneath the see-through face first
  } else {
    paintNow();
  }
}

template <class T>
void TLbSpeedButton::storeAndRefresh(T& field, T value) {
  field = value;
  refresh();
}

bool TLbSpeedButton::reachable() const {
  return enabled() && visible() && parentShowing();
}

void TLbSpeedButton::setAlignment(TAlignment value) {
  storeAndRefresh(alignment_, value);
}

void TLbSpeedButton::setColorWhenDown(TColor value) {
  storeAndRefresh(colorWhenDown_, value);
}

void TLbSpeedButton::setFlat(bool value) {
  storeAndRefresh(flat_, value);
}

void TLbSpeedButton::setLayout(TLbSpeedButtonLayout value) {
  storeAndRefresh(layout_, value);
}

void TLbSpeedButton::setLightColor(TColor value) {
  storeAndRefresh(lightColor_, value);
}

void TLbSpeedButton::setShadowColor(TColor value) {
  storeAndRefresh(shadowColor_, value);
}

void TLbSpeedButton::setWordWrap(bool value) {
  storeAndRefresh(wordWrap_, value);
}

void TLbSpeedButton::setGroupIndex(int value) {
  storeAndRefresh(groupIndex_, value);
}

void TLbSpeedButton::setDown(bool value) {
  if (value == down_) return;
  if (groupIndex_ != 0 && parent()) {
    // A copy: releasing a button repaints it, and nothing may change the list under the loop.
    // A released button does not run a group pass of its own: with two of the group down (a
    // description that stores both, a GroupIndex given to buttons already down) each pass would
    // start the other's again without end. With at most one down that pass would change nothing.
    const std::vector<toolkit::GraphicControl*> siblings = parent()->controls();
    for (toolkit::GraphicControl* sibling : siblings) {
      auto* button = dynamic_cast<TLbSpeedButton*>(sibling);
      if (button && button != this && button->groupIndex_ == groupIndex_ && button->down_)
        button->storeDown(false);
    }
  }
  storeDown(value);
}

void TLbSpeedButton::storeDown(bool value) {
  down_ = value;
  refresh();
  accessibleChanged(toolkit::AccessibleChange::kState);
}

void TLbSpeedButton::setCaption(std::string_view caption) {
  if (caption == this->caption()) {
    invalidate();
  } else {
    GraphicControl::setCaption(caption);  // invalidates
  }
}

void TLbSpeedButton::setGlyph(const graphics::Bitmap* picture) {
  if (!picture) {
    glyph_->setSize(0, 0);
    numGlyphs_ = 0;
  } else {
    glyph_->setSize(picture->width(), picture->height());
    glyph_->canvas().drawOpaque(0, 0, *picture);
    numGlyphs_ = picture->height() == 0 ? 0 : picture->width() / picture->height();
  }
  invalidate();
}

void TLbSpeedButton::setNumGlyphs(int value) {
  numGlyphs_ = value;
  invalidate();
}

void TLbSpeedButton::setStyle(TLbSpeedButtonStyle value) {
  // The gradient of bsModern turns to bands on a palette display. Asking the display needs the
  // parent's surface, so without a parent this fails before anything is stored.
  if (value == bsModern && !designing() && colorDepth() <= 8) value = bsNormal;
  style_ = value;
  invalidate();
}

void TLbSpeedButton::setSlowDecease(bool value) {
  slowDecease_ = value;
  if (value && !fadeThread_) {
    auto worker =
        std::make_unique<TLbButtonThread>([this](TLbButtonThread&) { fadeTick(); }, fadeThreadOptions_);
    worker->thread().setFreeOnTerminate(false);  // this button owns it and frees it
    fadeThread_ = std::move(worker);
  } else if (!value && fadeThread_) {
    fade_ = Fade{};  // ended at the plain colour, whatever the pointer does
    stopFadeThread();
  }
  invalidate();
}

void TLbSpeedButton::stopFadeThread() {
  // Resumed first, so that the worker reaches its termination check; the ticks it hands over
  // while the GUI thread waits do nothing, as termination has been asked for. No failure here
  // may keep the button from letting the worker go.
  try {
    while (fadeThread_->thread().parked()) fadeThread_->thread().resume();
  } catch (const std::exception&) {
  }
  try {
    fadeThread_->thread().terminate();
    fadeThread_->thread().waitFor();
  } catch (const std::exception&) {
  }
  fadeThread_.reset();
}

void TLbSpeedButton::moveFadeWorker(FadeWorker move) {
  if (!fadeThread_) return;
  toolkit::Thread& worker = fadeThread_->thread();
  if (move == FadeWorker::kPark && !worker.parked()) worker.park();
  if (move == FadeWorker::kResume && worker.parked()) worker.resume();
}

void TLbSpeedButton::fadeTick() {
  const bool ending = destroying() || !fadeThread_ || fadeThread_->thread().terminationRequested();
  const FadeMove move = fade_.tick({.ending = ending, .pointerInside = mouseInside_});
  fade_ = move.next;
  moveFadeWorker(move.worker);
  // Taken off its parent during the fade, the button has nowhere to draw: the fade runs out
  // unseen instead of failing every remaining tick.
  if (move.refresh && parent()) refresh();
}

void TLbSpeedButton::setTransparent(bool value) {
  transparent_ = value;
  if (value) {
    invalidate();
  } else {
    paintNow();
  }
}

void TLbSpeedButton::setColorStyle(TLbColorStyle value) {
  if (value == lcsCustom) return;
  const TLbColorStylePreset preset = GetColorStylePreset(value);
  // Straight into the state: one repaint at the end instead of one per colour.
  lightColor_ = preset.lightColor;
  shadowColor_ = preset.shadowColor;
  colorWhenDown_ = preset.colorWhenDown;
  hotTrackColor_ = preset.hotTrackColor;
  flat_ = preset.flat;
  setColor(preset.color);
  graphics::Font font = designFont();
  font.color = preset.fontColor;
  setFont(font);
  style_ = preset.style;  // a preset is what its author chose, whatever the display
  paintNow();
}

TLbButtonFace TLbSpeedButton::face() const {
  TLbButtonFace f;
  f.width = width();
  f.height = height();
  f.alignment = alignment_;
  f.caption = caption();
  f.layout = layout_;
  f.font = mouseInside_ && useHotTrackFont_ ? toolkit::scaledToDensity(hotTrackFont_, density()) : font();
  f.shadowColor = shadowColor_;
  f.lightColor = lightColor_;
  f.hotTrackColor = hotTrackColor_;
  f.colorWhenDown = colorWhenDown_;
  f.color = color();
  f.style = style_;
  f.hasPopupMenu = popupMenu() != nullptr;
  f.wordWrap = wordWrap_;
  f.flat = flat_;
  f.enabled = enabled();
  f.transparent = transparent_;
  f.mouseInside = mouseInside_;
  f.down = down_;
  f.glyph = glyph_.get();
  f.numGlyphs = numGlyphs_;
  f.fadeStep = fade_.step();
  return f;
}

void TLbSpeedButton::paint(graphics::Canvas& canvas) {
  if (!paintable()) return;
  const auto frame = ComposeButtonFace(face());
  canvas.draw(0, 0, *frame);
}

void TLbSpeedButton::click() {
  if (clicking_) return;
  clicking_ = true;
  struct Reset {
    bool& flag;
    ~Reset() { flag = false; }
  } reset{clicking_};
  // The menu drops down from the bottom-left corner; the call returns when it has closed, after
  // the chosen entry's handler, so the button's own click comes last.
  if (toolkit::PopupMenu* const menu = popupMenu()) menu->popup(clientToScreen({0, height()}));
  GraphicControl::click();
}

void TLbSpeedButton::mouseEnter() {
  if (!reachable()) return;
  const FadeMove move = fade_.enter();
  moveFadeWorker(move.worker);
  const bool wasInside = std::exchange(mouseInside_, true);
  fade_ = move.next;
  if (move.refresh) refresh();
  if (!wasInside) accessibleChanged(toolkit::AccessibleChange::kState);  // hot now
  if (onMouseEnter) onMouseEnter(*this);
}

void TLbSpeedButton::mouseLeave() {
  if (std::exchange(mouseInside_, false)) accessibleChanged(toolkit::AccessibleChange::kState);
  // Without a worker (its creation failed) the fade is not timed and ends at once.
  const FadeMove move = fade_.leave(slowDecease_ && fadeThread_);
  moveFadeWorker(move.worker);
  fade_ = move.next;
  if (move.refresh) refresh();
  if (reachable() && onMouseExit) onMouseExit(*this);
}

void TLbSpeedButton::mouseDown(toolkit::MouseButton button, unsigned shift, graphics::Point at) {
  if (clicking_) return;
  GraphicControl::mouseDown(button, shift, at);
  if (button != toolkit::MouseButton::kLeft) return;
  if (groupIndex_ == 0 || !down_) {
    setDown(true);
  } else if (allowAllUp_) {
    setDown(false);
  }
}

void TLbSpeedButton::mouseUp(toolkit::MouseButton button, unsigned shift, graphics::Point at) {
  if (clicking_) return;
  GraphicControl::mouseUp(button, shift, at);
  if (groupIndex_ == 0) setDown(false);
}

void TLbSpeedButton::doubleClick(unsigned shift, graphics::Point at) {
  mouseDown(toolkit::MouseButton::kLeft, shift, at);
}

bool TLbSpeedButton::dialogChar(char c) {
  return toolkit::isAccelerator(c, caption()) && press();
}

unsigned TLbSpeedButton::accessibleStates() const {
  return (down_ ? toolkit::accessible_state::kPressed : 0u) |
         (mouseInside_ ? toolkit::accessible_state::kHot : 0u);
}

bool TLbSpeedButton::press() {
  if (!reachable()) return false;
  const bool wasDown = down_;
  const auto restore = [this, wasDown] {
    setDown(wasDown);  // a grouped button has released the others; it alone returns
    paintNow();
  };
  setDown(true);
  paintNow();
  try {
    click();
  } catch (...) {
    restore();  // a failing handler must not leave the button drawn down
    throw;
  }
  restore();
  return true;
}

void TLbSpeedButton::actionChange(toolkit::Action& action, bool checkDefaults) {
  GraphicControl::actionChange(action, checkDefaults);
  const toolkit::ActionList* const list = action.actionList();
  const toolkit::ImageList* const images = list ? list->images() : nullptr;
  const int index = action.imageIndex();
  const bool hasGlyph = glyph_->width() > 0 && glyph_->height() > 0;
  if (hasGlyph || !images || index < 0 || index >= images->count()) return;
  glyph_->setSize(images->width(), images->height());
  graphics::Canvas& canvas = glyph_->canvas();
  canvas.setBrushColor(clFuchsia);  // stays where the image is see-through
  canvas.fillRect({0, 0, images->width(), images->height()});
  images->draw(canvas, 0, 0, index);
  setNumGlyphs(1);
  paintNow();
}

}  // namespace widgets
