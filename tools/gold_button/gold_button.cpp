#include "gold_button.h"

#include <utility>

#include "widgets/lb_color_styles.h"

namespace gold_button {
namespace {

constexpr int kWindowWidth = 400;
constexpr int kWindowHeight = 240;

toolkit::FormOptions windowOptions(std::string caption) {
  toolkit::FormOptions o;
  o.caption = std::move(caption);
  o.clientWidth = kWindowWidth;
  o.clientHeight = kWindowHeight;
  return o;
}

}  // namespace

std::vector<graphics::Color> shownOnPanel(const widgets::TLbButtonFace& face) {
  const auto bitmap = widgets::ComposeButtonFace(face);
  std::vector<graphics::Color> pixels;
  for (int y = 0; y < face.height; ++y) {
    for (int x = 0; x < face.width; ++x) {
      const graphics::Color c = bitmap->canvas().pixel(x, y);
      pixels.push_back(c == widgets::kFaceKeyColor ? kPanelColor : c);
    }
  }
  return pixels;
}

graphics::Font captionFont() {
  graphics::Font f;
  f.style = graphics::kFontBold;
  f.color = kCaptionColor;
  return f;
}

widgets::TLbButtonFace face(int width, int height, std::string caption) {
  widgets::TLbButtonFace f;
  f.width = width;
  f.height = height;
  f.alignment = widgets::taCenter;
  f.caption = std::move(caption);
  f.font = captionFont();
  const widgets::TLbColorStylePreset gold = widgets::GetColorStylePreset(widgets::lcsGold);
  f.shadowColor = gold.shadowColor;
  f.lightColor = gold.lightColor;
  f.hotTrackColor = gold.hotTrackColor;
  f.color = gold.color;
  f.style = gold.style;
  return f;
}

Window::Window(std::string caption)
    : form_(windowOptions(std::move(caption))),
      panel_(form_, {0, 0, kWindowWidth, kWindowHeight}, kPanelColor) {
  form_.show();
}

widgets::TLbSpeedButton& Window::addButton(std::string_view name) {
  auto& button = form_.own<widgets::TLbSpeedButton>();
  button.setName(name);
  button.setParent(&panel_);
  button.setDesignBounds(kButtonBounds);
  button.setCaption("Inchide");
  button.setColorStyle(widgets::lcsGold);
  button.setAlignment(widgets::taCenter);
  button.setFont(captionFont());
  return button;
}

void Window::enterAndLeave() {
  panel_.handleMouseMove(kOnTheButton);
  panel_.handleMouseMove(kOffTheButton);
}

}  // namespace gold_button
