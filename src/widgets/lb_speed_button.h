#pragma once
#include <memory>
#include <string_view>

#include "graphics/font.h"
#include "toolkit/graphic_control.h"
#include "toolkit/thread.h"
#include "widgets/lb_button_thread.h"
#include "widgets/lb_button_types.h"
#include "widgets/lb_colors.h"
#include "widgets/lb_face_composer.h"
#include "widgets/lb_fade.h"

namespace widgets {

// A custom-painted speed button without a window of its own: hot tracking, a latching down
// state with groups, a glyph strip, six face styles and colour-style presets. Every frame is
// composed off-screen and drawn in one operation.
//
// Refresh: a change that shows repaints at once, or, on a transparent button, waits for the
// parent's paint cycle so that the background beneath is drawn first. Which setters refresh,
// which only invalidate and which only store is part of each property's contract below.
class TLbSpeedButton : public toolkit::GraphicControl {
 public:
  explicit TLbSpeedButton(toolkit::Component* owner);
  ~TLbSpeedButton() override;

  // Refresh.
  TAlignment alignment() const { return alignment_; }
  void setAlignment(TAlignment value);
  TColor colorWhenDown() const { return colorWhenDown_; }
  void setColorWhenDown(TColor value);
  bool flat() const { return flat_; }
  void setFlat(bool value);
  TLbSpeedButtonLayout layout() const { return layout_; }
  void setLayout(TLbSpeedButtonLayout value);
  TColor lightColor() const { return lightColor_; }
  void setLightColor(TColor value);
  TColor shadowColor() const { return shadowColor_; }
  void setShadowColor(TColor value);
  bool wordWrap() const { return wordWrap_; }
  void setWordWrap(bool value);
  // Refreshes; no other button of the group is touched.
  int groupIndex() const { return groupIndex_; }
  void setGroupIndex(int value);
  // An equal value changes nothing. A grouped button with a parent first releases every other
  // button of its group under that parent that is down, whichever value is written; a released
  // button is refreshed and told of, and runs no group pass of its own.
  bool down() const { return down_; }
  void setDown(bool value);

  // Store only.
  bool allowAllUp() const { return allowAllUp_; }
  void setAllowAllUp(bool value) { allowAllUp_ = value; }
  TColor hotTrackColor() const { return hotTrackColor_; }
  void setHotTrackColor(TColor value) { hotTrackColor_ = value; }
  // At 96 dpi, as Font is; the face shows it at the button's density.
  const graphics::Font& hotTrackFont() const { return hotTrackFont_; }
  // The owned font itself, as a window description reads into it.
  graphics::Font& hotTrackFont() { return hotTrackFont_; }
  void setHotTrackFont(const graphics::Font& value) { hotTrackFont_ = value; }
  // What a button made by `owner` starts with: the form's font when a form makes it, the
  // toolkit's default font otherwise.
  static graphics::Font defaultHotTrackFont(const toolkit::Component* owner);
  bool useHotTrackFont() const { return useHotTrackFont_; }
  void setUseHotTrackFont(bool value) { useHotTrackFont_ = value; }

  // Invalidate.
  void setCaption(std::string_view caption) override;
  // The glyph strip, owned. Changing it in place neither counts its frames nor repaints.
  graphics::Bitmap& glyph() { return *glyph_; }
  const graphics::Bitmap& glyph() const { return *glyph_; }
  // Copies the picture (none empties the glyph) and counts its frames: width / height, whole.
  void setGlyph(const graphics::Bitmap* picture);
  // Stored as given, without any range test.
  int numGlyphs() const { return numGlyphs_; }
  void setNumGlyphs(int value);
  // bsModern becomes bsNormal on a display of 8 bits per pixel or less, outside design mode.
  TLbSpeedButtonStyle style() const { return style_; }
  void setStyle(TLbSpeedButtonStyle value);
  // On: a parked fade worker is made, once; fails with "Thread creation error: %s" when the
  // system cannot start it, SlowDecease then being on without a worker. Off: the fade ends at
  // FadeStep 0 and the worker is stopped and freed, whatever stopping it meets.
  bool slowDecease() const { return slowDecease_; }
  void setSlowDecease(bool value);
  const TLbButtonThread* fadeThread() const { return fadeThread_.get(); }
  TLbButtonThread* fadeThread() { return fadeThread_.get(); }
  // How a fade worker made from now on sleeps and starts: the system's by default; tests and
  // benchmarks drive the steps themselves.
  void setFadeThreadOptions(toolkit::ThreadOptions options) { fadeThreadOptions_ = std::move(options); }
  // One step of the fade, run on the GUI thread for each tick of the worker.
  void fadeTick();
  // Invalidates when switched on, repaints at once when switched off.
  bool transparent() const { return transparent_; }
  void setTransparent(bool value);

  // Applies a ready-made colour style and repaints at once; lcsCustom does nothing. The style
  // itself is not kept: this always reads lcsCustom.
  TLbColorStyle colorStyle() const { return lcsCustom; }
  void setColorStyle(TLbColorStyle value);

  bool mouseInside() const { return mouseInside_; }
  int fadeStep() const { return fade_.step(); }

  toolkit::NotifyEvent onMouseEnter;
  toolkit::NotifyEvent onMouseExit;

  // What the next frame is drawn from.
  TLbButtonFace face() const;

  void paint(graphics::Canvas& canvas) override;
  // Drops down the popup menu, if there is one, then performs the base click. Not entered again
  // while it runs.
  void click() override;
  void mouseEnter() override;
  void mouseLeave() override;
  void mouseDown(toolkit::MouseButton button, unsigned shift, graphics::Point at) override;
  void mouseUp(toolkit::MouseButton button, unsigned shift, graphics::Point at) override;
  void doubleClick(unsigned shift, graphics::Point at) override;
  // The caption's accelerator: a press.
  bool dialogChar(char c) override;
  // On an enabled, visible button whose parent is showing: drawn down, clicked, and back to its
  // former state, also when the click fails. False, doing nothing, on any other button.
  bool press() override;
  toolkit::AccessibleRole accessibleRole() const override { return toolkit::AccessibleRole::kPushButton; }
  // Pressed while down, hot while the pointer is inside.
  unsigned accessibleStates() const override;

 protected:
  // The base linking, then the glyph from the action list's image list: only while the button
  // has no glyph of its own, and only for an image index in the list's range.
  void actionChange(toolkit::Action& action, bool checkDefaults) override;

 private:
  void refresh();
  // Stores Down without the group pass, refreshes and tells the accessibility tree.
  void storeDown(bool value);
  void stopFadeThread();
  // Parks a running worker or resumes a parked one, as a move of the fade asks; nothing without one.
  void moveFadeWorker(FadeWorker move);
  template <class T>
  void storeAndRefresh(T& field, T value);
  // Enabled, visible, and shown on a parent that is showing.
  bool reachable() const;

  TAlignment alignment_ = taLeftJustify;
  bool allowAllUp_ = false;
  TColor colorWhenDown_ = clNone;
  bool down_ = false;
  bool flat_ = false;
  bool wordWrap_ = false;
  std::unique_ptr<graphics::Bitmap> glyph_;
  int groupIndex_ = 0;
  TColor hotTrackColor_ = clNone;
  graphics::Font hotTrackFont_;
  TLbSpeedButtonLayout layout_ = blGlyphLeft;
  TColor lightColor_ = clWhite;
  int numGlyphs_ = 0;
  TColor shadowColor_ = clBlack;
  TLbSpeedButtonStyle style_ = bsNormal;
  bool transparent_ = false;
  bool useHotTrackFont_ = false;
  bool mouseInside_ = false;
  bool slowDecease_ = false;
  Fade fade_;
  std::unique_ptr<TLbButtonThread> fadeThread_;
  toolkit::ThreadOptions fadeThreadOptions_;
  // A click handler that opens a modal dialog lets queued input through; this button takes
  // none of it until its handler has returned.
  bool clicking_ = false;
};

}  // namespace widgets
