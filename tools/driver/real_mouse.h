#pragma once
#include <windows.h>

#include "out_of_process_driver.h"

namespace driver {

// The system's own pointer, moved and pressed as a person's hand would: the system turns it into
// the moves, presses and releases the window under the pointer (or the one holding the capture)
// receives, with enter and leave tracking as for a real mouse. Starts with the pointer parked
// in the screen's bottom-right corner, away from every window; a left button still held when it
// goes is released there, so that no later test inherits it.
class RealMouse {
 public:
  RealMouse();
  ~RealMouse();
  RealMouse(const RealMouse&) = delete;
  RealMouse& operator=(const RealMouse&) = delete;

  void moveTo(POINT onScreen);
  // A point of the panel, in its client coordinates.
  void moveOverPanel(const UpdaterWindow& window, int x, int y);
  void park();
  // The left button goes down, or up, where the pointer is.
  void pressLeft();
  void releaseLeft();

 private:
  bool held_ = false;
};

}  // namespace driver
