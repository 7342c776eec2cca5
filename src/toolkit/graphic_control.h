#pragma once
#include <functional>
#include <string>
#include <string_view>

#include "graphics/canvas.h"
#include "graphics/font.h"
#include "graphics/geometry.h"
#include "toolkit/accessible_types.h"
#include "toolkit/component.h"
#include "toolkit/control_parent.h"
#include "toolkit/events.h"
#include "toolkit/input.h"
#include "toolkit/screen_density.h"

namespace toolkit {

class PopupMenu;
class Action;

// A control without a window of its own: a rectangle of its parent that it paints and whose
// mouse input the parent routes to it. It never takes the keyboard focus; keys reach it only as
// accelerator characters. It may exist without a parent and be given one later; what needs the
// parent's surface then fails with a clear error instead of drawing nowhere.
class GraphicControl : public Component {
 public:
  explicit GraphicControl(Component* owner) : Component(owner) {}
  ~GraphicControl() override;

  ControlParent* parent() const { return parent_; }
  // Takes the control from its former parent, if any, and puts it last in the new one's order.
  void setParent(ControlParent* parent);
  bool parentShowing() const;

  // Where the control is on its parent, in the parent's pixels at its screen's density. Without a
  // parent that density is 96, so bounds set before the control is placed count as 96-dpi values
  // and are scaled when it is.
  const graphics::Rect& bounds() const { return bounds_.shown(); }
  int left() const { return bounds().left; }
  int top() const { return bounds().top; }
  int width() const { return bounds().width(); }
  int height() const { return bounds().height(); }
  void setBounds(const graphics::Rect& bounds);
  // The same place at 96 dpi, as a window description gives and stores it.
  const graphics::Rect& designBounds() const { return bounds_.design(); }
  void setDesignBounds(const graphics::Rect& bounds);
  // The density of the parent's screen; 96 without a parent.
  int density() const;
  void setWidth(int width) { setBounds({left(), top(), left() + width, bottom()}); }
  void setHeight(int height) { setBounds({left(), top(), right(), top() + height}); }

  const std::string& caption() const { return caption_; }
  // An equal text changes nothing.
  virtual void setCaption(std::string_view caption);
  bool enabled() const { return enabled_; }
  virtual void setEnabled(bool enabled);
  bool visible() const { return visible_; }
  void setVisible(bool visible);
  Cursor cursor() const { return cursor_; }
  void setCursor(Cursor cursor) { cursor_ = cursor; }

  // While parentColor() is on, color() is the parent's; writing a different colour turns it off.
  // Turning it off keeps what the control showed, except while loading: then the control keeps
  // its own colour, the one the description gave it.
  graphics::Color color() const;
  void setColor(graphics::Color color);
  bool parentColor() const { return parentColor_; }
  void setParentColor(bool on);
  // The same rules for the font. Font heights are given at 96 dpi; font() is the one the control
  // draws with, at its density.
  graphics::Font font() const;
  // The font at 96 dpi: the parent's or its own.
  graphics::Font designFont() const;
  void setFont(const graphics::Font& font);
  bool parentFont() const { return parentFont_; }
  void setParentFont(bool on);
  // What a window description reads: the control's own colour and font, shown while the parent
  // flag is off. Reading one turns its flag off; nothing is compared and nothing repaints.
  const graphics::Font& ownFont() const { return font_; }
  void readOwnColor(graphics::Color color);
  void readOwnFont(const graphics::Font& font);

  // References to components that live elsewhere; none by default. Either side may go first:
  // the control then forgets it.
  PopupMenu* popupMenu() const { return popupMenu_; }
  // Invalidates: a control may show that it has a menu.
  void setPopupMenu(PopupMenu* menu);
  Action* action() const { return action_; }
  // Links the control to an action, or unlinks it with none: it takes the action's caption,
  // enabled state, hint and visibility now and at every change of the action, and its click
  // executes the action unless the control has an onClick of its own. An action being read
  // from a window description only fills in what the control left at its defaults. Unlinking
  // keeps what was taken.
  void setAction(Action* action);

  // The hint shows while the pointer rests on the control, when showHint() is on.
  const std::string& hint() const { return hint_; }
  void setHint(std::string_view hint) { hint_ = hint; }
  // While parentShowHint() is on, showHint() is the parent's; writing it turns that off.
  bool showHint() const;
  void setShowHint(bool on);
  bool parentShowHint() const { return parentShowHint_; }
  void setParentShowHint(bool on);

  NotifyEvent onClick;
  MouseEvent onMouseDown;
  MouseEvent onMouseUp;
  MouseMoveEvent onMouseMove;

  // Asks the parent to repaint this control in its next paint cycle, its background first.
  // Nothing happens without a parent, nor while loading: the end of loading asks once.
  void invalidate();
  // Paints this control now on the parent's surface, outside the paint cycle. Throws the
  // no-parent error for a control that would paint but has no parent.
  void paintNow();
  // Whether the control draws at all now: visible or designed, and not being loaded.
  bool paintable() const;

  // What needs the parent's surface; each throws the no-parent error without one.
  int colorDepth() const;
  graphics::Point clientToScreen(graphics::Point at) const;

  // Draws the control in its own coordinates: (0, 0) to (width, height).
  virtual void paint(graphics::Canvas& canvas) = 0;

  // Input, as the parent routes it, in the control's coordinates. The base raises the mouse
  // events; a control that extends a step calls the base first.
  virtual void mouseDown(MouseButton button, unsigned shift, graphics::Point at);
  virtual void mouseUp(MouseButton button, unsigned shift, graphics::Point at);
  virtual void mouseMove(unsigned shift, graphics::Point at);
  virtual void doubleClick(unsigned shift, graphics::Point at);
  virtual void click();
  virtual void mouseEnter() {}
  virtual void mouseLeave() {}
  // An accelerator character typed in the window; true when the control took it.
  virtual bool dialogChar(char) { return false; }

  // How the control describes itself to assistive technology (toolkit/accessibility.h): its
  // role, and which of the pressed and hot states it shows now; the rest the base knows.
  virtual AccessibleRole accessibleRole() const { return AccessibleRole::kGraphic; }
  virtual unsigned accessibleStates() const { return 0; }
  // The default action performed now, as the control's accelerator would; false when it has
  // none or refuses it in its present state.
  virtual bool press() { return false; }

 protected:
  // The linked action changed, or was just linked (checkDefaults: it is being loaded). The
  // base takes the action's properties; a control that adds to this calls the base first.
  virtual void actionChange(Action& action, bool checkDefaults);
  // "Control '<Name>' has no parent window".
  [[noreturn]] void throwNoParent() const;
  // Tells the parent's window, if any, so that assistive technology hears of the change.
  void accessibleChanged(AccessibleChange change);
  void loaded() override { invalidate(); }
  void removed(Component& gone) override;

 private:
  friend class ControlHost;
  friend class Action;
  int right() const { return bounds().right; }
  int bottom() const { return bounds().bottom; }
  // The parent's density changed (ControlHost tells its controls): shows the same 96-dpi bounds
  // at the new one.
  void followDensity();
  // Moves to the shown rectangle, repainting both places, when the move changed it.
  void moved(bool changed);

  ControlParent* parent_ = nullptr;  // not owned
  ScaledRect bounds_;
  std::string caption_;
  bool enabled_ = true;
  bool visible_ = true;
  Cursor cursor_ = Cursor::kDefault;
  graphics::Color color_ = graphics::kWindowColor;
  bool parentColor_ = true;
  graphics::Font font_;
  bool parentFont_ = true;
  PopupMenu* popupMenu_ = nullptr;  // not owned: its owner has it; it unlinks itself when it goes
  Action* action_ = nullptr;        // not owned: its owner has it; it unlinks itself when it goes
  std::string hint_;
  bool showHint_ = false;
  bool parentShowHint_ = true;
};

}  // namespace toolkit
