// Value types only: the handle by which portable code passes a backend's window on.
#pragma once

namespace toolkit {

// A backend's own handle of a window, passed on by portable code without being looked into: on
// Windows an HWND; headless, the in-memory window that tests read.
using WindowHandle = void*;

}  // namespace toolkit
