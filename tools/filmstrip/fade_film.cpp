#include "fade_film.h"

#include <chrono>
#include <stdexcept>
#include <string>
#include <thread>

#include "platform/application.h"
#include "platform/form.h"
#include "platform/offset_canvas.h"
#include "platform/panel.h"
#include "widgets/lb_speed_button.h"

namespace filmstrip {
namespace {

constexpr int kW = 108;
constexpr int kH = 31;
constexpr int kGap = 8;
constexpr int kLabelH = 16;
constexpr int kFrames = 9;
constexpr platform::Color kPanelColor = 0x005BCECB;

platform::FormOptions windowOptions() {
  platform::FormOptions o;
  o.caption = "Fade";
  // Centred on the screen, where a fresh display keeps the real pointer: the button sits in
  // the top-left corner, away from it, so that only the moves made here make it hot.
  o.clientWidth = 400;
  o.clientHeight = 240;
  return o;
}

platform::Point slot(int frame) {
  return {kGap + frame * (kW + kGap), kGap};
}

void label(platform::Canvas& c, int frame, int fadeStep) {
  platform::Rect r{slot(frame).x, kGap + kH + 2, slot(frame).x + kW, kGap + kH + 2 + kLabelH};
  c.drawText("FadeStep " + std::to_string(fadeStep), r, platform::kDtCenter | platform::kDtSingleLine);
}

}  // namespace

Film recordFade() {
  platform::Form form(windowOptions());
  platform::Panel panel(form, {0, 0, 400, 240}, kPanelColor);
  form.show();
  auto& button = form.own<widgets::TLbSpeedButton>();
  button.setName("Film");
  button.setParent(&panel);
  button.setBounds({20, 15, 20 + kW, 15 + kH});
  button.setCaption("Inchide");
  button.setColorStyle(widgets::lcsGold);
  button.setAlignment(widgets::taCenter);
  platform::Font font;
  font.style = platform::kFontBold;
  font.color = 0x00005555;
  button.setFont(font);
  button.setSlowDecease(true);

  Film film;
  film.strip = platform::createBitmap(kGap + kFrames * (kW + kGap), kGap + kH + 2 + kLabelH + kGap);
  platform::Canvas& c = film.strip->canvas();
  c.setBrushColor(kPanelColor);
  c.fillRect({0, 0, film.strip->width(), film.strip->height()});
  const auto capture = [&] {
    const int frame = static_cast<int>(film.fadeSteps.size());
    if (frame >= kFrames) return;
    platform::OffsetCanvas at(c, slot(frame));
    button.paint(at);
    film.fadeSteps.push_back(button.fadeStep());
    label(c, frame, button.fadeStep());
  };
  // Each frame is taken inside the tick that made it, right after the control has drawn it.
  widgets::TLbButtonThread::TickEvent& onTick = button.fadeThread()->onTick();
  onTick = [tick = onTick, &capture](widgets::TLbButtonThread& sender) {
    tick(sender);
    capture();
  };

  panel.handleMouseMove({30, 20});
  capture();
  panel.handleMouseMove({5, 5});
  const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (film.fadeSteps.size() < kFrames || !button.fadeThread()->thread().parked()) {
    if (std::chrono::steady_clock::now() > giveUp) throw std::runtime_error("the fade did not end");
    platform::application::processMessages();
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  button.setSlowDecease(false);  // the worker goes before what its ticks write into
  return film;
}

}  // namespace filmstrip
