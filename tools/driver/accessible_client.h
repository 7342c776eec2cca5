#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace driver {

// One child of a window's client object, as an assistive tool reads it through Microsoft
// Active Accessibility from another process.
struct AccessibleItem {
  std::string name;
  long role = 0;
  long state = 0;
  std::string shortcut;
  std::string description;
  std::string defaultAction;
  RECT location{};         // on the screen
  bool ownObject = false;  // an object of its own (a child window), not an element of the parent
};

// The children of the window's client object, in its order; none when the window gives no
// accessible object.
std::vector<AccessibleItem> accessibleChildren(HWND window);
// The child at a point of the screen, by the client object's hit test; 0 for the object
// itself, -1 for none.
long accessibleChildAt(HWND window, POINT screen);
// Performs the default action of the element whose name is `name`; the server's answer.
HRESULT doAccessibleDefaultAction(HWND window, const std::string& name);

}  // namespace driver
