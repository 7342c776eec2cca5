#pragma once
#include "platform/font.h"
#include "platform/graphic_control.h"

namespace widgets {

// A plain push button without a window: pressed while the left button holds it, clicks on a
// release inside it (the click runs while it is still drawn pressed), ignores clicks while
// disabled.
class PushButton : public platform::GraphicControl {
 public:
  PushButton(platform::ControlHost& host, const platform::Rect& bounds);

  const platform::Font& font() const { return font_; }
  void setFont(const platform::Font& font);
  bool down() const { return down_; }

  void paint(platform::Canvas& canvas) override;
  void mouseDown(platform::MouseButton button, unsigned shift, platform::Point at) override;
  void mouseUp(platform::MouseButton button, unsigned shift, platform::Point at) override;

 private:
  void setDown(bool down);

  platform::Font font_;
  bool down_ = false;
};

}  // namespace widgets
