#include "toolkit/form.h"

#include <algorithm>

#include "toolkit/control_host.h"
#include "toolkit/guarded.h"

namespace toolkit {

void Form::previewKeyDown(int key, unsigned shift) {
  if (onKeyDown) runGuarded([&] { onKeyDown(*this, key, shift); });
}

void Form::runShowHandler() {
  if (onShow) runGuarded([&] { onShow(*this); });
}

void Form::setCaption(std::string_view caption) {
  options_.caption = caption;
  applyCaption();
}

void Form::scaleTo(int dpi) {
  if (dpi < 1 || dpi == density_) return;
  density_ = dpi;
  applySize();
  followers_.tellAll();
}

graphics::Size Form::clientSize() const {
  return {scaledToDensity(options_.clientWidth, density_), scaledToDensity(options_.clientHeight, density_)};
}

void Form::setClientWidth(int width) {
  options_.clientWidth = width;
  applySize();
}

void Form::setClientHeight(int height) {
  options_.clientHeight = height;
  applySize();
}

void Form::setColor(graphics::Color color) {
  options_.color = color;
  applyColor();
}

void Form::setBackgroundSeeThrough(bool on) {
  options_.backgroundSeeThrough = on;
  applyColor();
}

void Form::setStayOnTop(bool on) {
  options_.stayOnTop = on;
  applyStacking();
}

void Form::setIconResource(std::string_view name) {
  options_.iconResource = name;
  applyIcon();
}

void Form::addHost(ControlHost& host) {
  if (std::find(hosts_.begin(), hosts_.end(), &host) == hosts_.end()) hosts_.push_back(&host);
}

void Form::removeHost(ControlHost& host) {
  std::erase(hosts_, &host);
}

bool Form::typedChar(char c, bool withAlt, bool focusTakesChars) {
  if (!withAlt && focusTakesChars) return false;  // the focused control's own character
  // Copy: a control's click may make or remove hosts.
  const auto hosts = hosts_;
  for (ControlHost* host : hosts) {
    if (std::find(hosts_.begin(), hosts_.end(), host) == hosts_.end()) continue;
    if (host->handleDialogChar(c)) return true;
  }
  return false;
}

}  // namespace toolkit
