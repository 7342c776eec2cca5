#pragma once
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "platform/color.h"
#include "platform/component.h"
#include "platform/font.h"
#include "platform/geometry.h"

namespace platform {

struct FormOptions {
  std::string caption;
  int clientWidth = 0;
  int clientHeight = 0;
  Color color = 0xFF00000F;
  bool backgroundSeeThrough = false;  // pixels of exactly `color` show what lies behind
  bool stayOnTop = false;
  Font font;
  std::string iconResource;  // icon of the caption and the taskbar; empty for none
};

// A top-level window with a fixed single border, a system menu with a close box and no
// minimise or maximise. Centred on the screen when first shown. Closing the first form made
// ends the event loop. Keys go to the form's key handler before the focused control.
class Form : public Component {
 public:
  explicit Form(const FormOptions& options, Component* owner = nullptr);
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;
  ~Form() override;

  void setCaption(std::string_view caption);
  std::string caption() const;
  const FormOptions& options() const { return options_; }
  const Font& font() const { return options_.font; }
  Rect screenBounds() const;
  bool shown() const;

  // Makes the window visible (centring it the first time), then runs the show handler.
  void show();

  std::function<void()> onShow;
  std::function<void(int key, unsigned shift)> onKeyDown;

  // Called by the backend for every key pressed anywhere in the window.
  void previewKeyDown(int key, unsigned shift);

  struct Impl;
  Impl& impl() const { return *impl_; }

 private:
  FormOptions options_;
  std::unique_ptr<Impl> impl_;
};

}  // namespace platform
