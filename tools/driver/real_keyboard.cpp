#include "real_keyboard.h"

namespace driver {
namespace {

void sendKey(WORD virtualKey, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = virtualKey;
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  SendInput(1, &input, sizeof input);
}

}  // namespace

void typeKey(WORD virtualKey, bool withAlt) {
  if (withAlt) sendKey(VK_MENU, false);
  sendKey(virtualKey, false);
  sendKey(virtualKey, true);
  if (withAlt) sendKey(VK_MENU, true);
}

}  // namespace driver
