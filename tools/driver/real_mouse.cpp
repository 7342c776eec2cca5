#include "real_mouse.h"

namespace driver {
namespace {

void sendButton(DWORD flags) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  SendInput(1, &input, sizeof input);
}

// Input is handled by the receiving program's thread; a short pause lets it react before the
// next step, as the gaps between a person's movements do.
void settle() {
  Sleep(60);
}

}  // namespace

RealMouse::RealMouse() {
  park();
}

RealMouse::~RealMouse() {
  park();
  if (held_) releaseLeft();
}

void RealMouse::moveTo(POINT onScreen) {
  SetCursorPos(onScreen.x, onScreen.y);
  settle();
}

void RealMouse::moveOverPanel(const UpdaterWindow& window, int x, int y) {
  POINT p{x, y};
  ClientToScreen(window.panel, &p);
  moveTo(p);
}

void RealMouse::park() {
  moveTo({GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1});
}

void RealMouse::pressLeft() {
  sendButton(MOUSEEVENTF_LEFTDOWN);
  held_ = true;
  settle();
}

void RealMouse::releaseLeft() {
  sendButton(MOUSEEVENTF_LEFTUP);
  held_ = false;
  settle();
}

}  // namespace driver
