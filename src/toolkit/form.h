#pragma once
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "graphics/color.h"
#include "graphics/font.h"
#include "graphics/geometry.h"
#include "toolkit/component.h"
#include "toolkit/events.h"
#include "toolkit/screen_density.h"
#include "toolkit/window_handle.h"

namespace toolkit {

class ControlHost;

// Sizes and the font's height at 96 dpi; the window shows them at its monitor's density.
struct FormOptions {
  std::string caption;
  int clientWidth = 0;
  int clientHeight = 0;
  graphics::Color color = graphics::kBtnFaceColor;
  bool backgroundSeeThrough = false;  // pixels of exactly `color` show what lies behind
  bool stayOnTop = false;
  graphics::Font font;
  std::string iconResource;  // icon of the caption and the taskbar; empty for none
};

// A top-level window with a fixed single border, a system menu with a close box and no
// minimise or maximise. Centred on the screen when first shown. Closing the first form made
// ends the event loop. Keys go to the form's key handler before the focused control.
// The components it owns go first when it is destroyed, while its window still exists.
class Form : public Component {
 public:
  explicit Form(const FormOptions& options = {}, Component* owner = nullptr);
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;
  ~Form() override;

  // The settings as they are now; each setter changes the window at once.
  const FormOptions& options() const { return options_; }
  void setCaption(std::string_view caption);
  std::string caption() const;
  void setClientWidth(int width);
  void setClientHeight(int height);
  void setColor(graphics::Color color);
  void setBackgroundSeeThrough(bool on);
  void setStayOnTop(bool on);
  const graphics::Font& font() const { return options_.font; }
  // Controls take the form's font when they are placed on it.
  void setFont(const graphics::Font& font) { options_.font = font; }
  // The name of an icon resource of the program; empty for none.
  void setIconResource(std::string_view name);

  // The pixel density of the monitor the window shows on, taken when it is made and followed
  // when it moves to another.
  int density() const { return density_; }
  // Shows the window and everything on it at `dpi`, from their 96-dpi values: only bounds and
  // font heights change. Below 1, or the present density, changes nothing.
  void scaleTo(int dpi);
  // The client size and the font as shown, at the density.
  graphics::Size clientSize() const;
  graphics::Font shownFont() const { return scaledToDensity(options_.font, density_); }
  // The panels on it.
  DensityFollowers& densityFollowers() { return followers_; }

  graphics::Rect screenBounds() const;
  bool shown() const;

  // Makes the window visible (centring it the first time), then runs the show handler.
  void show();

  NotifyEvent onShow;
  KeyEvent onKeyDown;

  // Called by the backend for every key pressed anywhere in the window.
  void previewKeyDown(int key, unsigned shift);

  // The hosts of graphic controls in this window, in the order they were made; each host adds
  // itself while it exists.
  void addHost(ControlHost& host);
  void removeHost(ControlHost& host);
  // Called by the backend for a character typed in the window. It is offered to the controls of
  // every host as an accelerator when typed with Alt, or when the focused control does not take
  // typed characters (as in a dialog); true when a control took it.
  bool typedChar(char c, bool withAlt, bool focusTakesChars);

  // The backend's window of the form, which its panels' windows go into; on Windows null once
  // the user has closed it.
  WindowHandle window() const;

  struct Impl;

 private:
  // The backend's part of the setters: the window follows options_.
  void applyCaption();
  void applySize();
  void applyColor();
  void applyStacking();
  void applyIcon();
  void runShowHandler();

  FormOptions options_;
  int density_ = kDesignDensity;
  DensityFollowers followers_;
  std::vector<ControlHost*> hosts_;  // not owned
  std::unique_ptr<Impl> impl_;
};

}  // namespace toolkit
