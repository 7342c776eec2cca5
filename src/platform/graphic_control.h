#pragma once
#include <functional>
#include <string>
#include <string_view>

#include "platform/canvas.h"
#include "platform/geometry.h"
#include "platform/input.h"

namespace platform {

class ControlHost;

// A control without a window of its own: a rectangle of its host window that it paints and
// whose mouse input the host routes to it. It never takes the keyboard focus; keys reach it
// only as accelerator characters.
class GraphicControl {
 public:
  GraphicControl(ControlHost& host, const Rect& bounds);
  GraphicControl(const GraphicControl&) = delete;
  GraphicControl& operator=(const GraphicControl&) = delete;
  virtual ~GraphicControl();

  ControlHost& host() const { return host_; }
  const Rect& bounds() const { return bounds_; }
  int width() const { return bounds_.width(); }
  int height() const { return bounds_.height(); }
  void setBounds(const Rect& bounds);

  const std::string& caption() const { return caption_; }
  virtual void setCaption(std::string_view caption);
  bool enabled() const { return enabled_; }
  virtual void setEnabled(bool enabled);
  bool visible() const { return visible_; }
  void setVisible(bool visible);
  Cursor cursor() const { return cursor_; }
  void setCursor(Cursor cursor) { cursor_ = cursor; }

  std::function<void()> onClick;

  // Asks the host to repaint this control in its next paint cycle, its background first.
  void invalidate();
  // Repaints this control now, outside the paint cycle.
  void repaint();

  // Draws the control in its own coordinates: (0, 0) to (width, height).
  virtual void paint(Canvas& canvas) = 0;

  // Input, as the host routes it. Positions are in the control's coordinates.
  virtual void mouseDown(MouseButton button, unsigned shift, Point at);
  virtual void mouseUp(MouseButton button, unsigned shift, Point at);
  virtual void doubleClick(unsigned shift, Point at);
  virtual void click();
  virtual void mouseEnter() {}
  virtual void mouseLeave() {}
  // An accelerator character typed in the window; true when the control took it.
  virtual bool dialogChar(char) { return false; }

 private:
  ControlHost& host_;
  Rect bounds_;
  std::string caption_;
  bool enabled_ = true;
  bool visible_ = true;
  Cursor cursor_ = Cursor::kDefault;
};

}  // namespace platform
