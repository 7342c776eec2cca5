#include "fade_film.h"

#include <chrono>
#include <stdexcept>
#include <string>
#include <thread>

#include "gold_button.h"
#include "toolkit/application.h"
#include "toolkit/offset_canvas.h"
#include "widgets/lb_speed_button.h"

namespace filmstrip {
namespace {

using gold_button::kHeight;
using gold_button::kWidth;

constexpr int kGap = 8;
constexpr int kLabelH = 16;
constexpr int kFrames = 9;

graphics::Point slot(int frame) {
  return {kGap + frame * (kWidth + kGap), kGap};
}

void label(graphics::Canvas& c, int frame, int fadeStep) {
  graphics::Rect r{slot(frame).x, kGap + kHeight + 2, slot(frame).x + kWidth, kGap + kHeight + 2 + kLabelH};
  c.drawText("FadeStep " + std::to_string(fadeStep), r, graphics::kDtCenter | graphics::kDtSingleLine);
}

}  // namespace

Film recordFade() {
  gold_button::Window window("Fade");
  widgets::TLbSpeedButton& button = window.addButton("Film");
  button.setSlowDecease(true);

  Film film;
  film.strip = graphics::createBitmap(kGap + kFrames * (kWidth + kGap), kGap + kHeight + 2 + kLabelH + kGap);
  graphics::Canvas& c = film.strip->canvas();
  c.setBrushColor(gold_button::kPanelColor);
  c.fillRect({0, 0, film.strip->width(), film.strip->height()});
  const auto capture = [&] {
    const int frame = static_cast<int>(film.fadeSteps.size());
    if (frame >= kFrames) return;
    toolkit::OffsetCanvas at(c, slot(frame));
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

  window.panel().handleMouseMove(gold_button::Window::kOnTheButton);
  capture();
  window.panel().handleMouseMove(gold_button::Window::kOffTheButton);
  const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (film.fadeSteps.size() < kFrames || !button.fadeThread()->thread().parked()) {
    if (std::chrono::steady_clock::now() > giveUp) throw std::runtime_error("the fade did not end");
    toolkit::application::processMessages();
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  button.setSlowDecease(false);  // the worker goes before what its ticks write into
  return film;
}

}  // namespace filmstrip
