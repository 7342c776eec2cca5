#pragma once
#include <windows.h>

#include <functional>
#include <optional>
#include <string>

// Works the windows of another process, the real program's, through their handles and the
// messages a person's input would send them. (Tests of the headless toolkit drive it in their
// own process, through toolkit/headless/in_process_driver.h.)
namespace driver {

// The updater's window as another program sees it.
struct UpdaterWindow {
  HWND form = nullptr;
  HWND panel = nullptr;
  HWND log = nullptr;
};

enum class BoxIcon { kNone, kError, kInformation, kOther };

// A message box of the process, as it shows itself.
struct ShownBox {
  HWND hwnd = nullptr;
  std::string title;
  std::string text;
  BoxIcon icon = BoxIcon::kNone;
  RECT bounds{};
};

std::string windowText(HWND hwnd);
std::string className(HWND hwnd);
// A visible top-level window of the process with the window class; none when there is none.
HWND findTopLevel(DWORD processId, const char* windowClass);

// Polls every 20 ms until `ready` holds or the time is up.
bool waitUntil(const std::function<bool()>& ready, DWORD timeoutMs);

std::optional<UpdaterWindow> waitForUpdater(DWORD processId, DWORD timeoutMs);
std::string logText(const UpdaterWindow& window);
// Waits until the log box holds `lines` lines; the log text either way.
std::string waitForLogLines(const UpdaterWindow& window, int lines, DWORD timeoutMs);

// A left click at a point of the panel, in its client coordinates.
void clickPanel(const UpdaterWindow& window, int x, int y);
// The centre of a button given by its rectangle in the panel.
void clickButton(const UpdaterWindow& window, RECT bounds);
// A key press in the log box, with modifier keys (MOD_SHIFT, MOD_CONTROL, MOD_ALT) held.
void pressKey(const UpdaterWindow& window, int virtualKey, unsigned modifiers);
void closeByCloseBox(const UpdaterWindow& window);

std::optional<ShownBox> waitForMessageBox(DWORD processId, DWORD timeoutMs);
void pressOk(const ShownBox& box);
// True when the process shows no message box during the whole wait.
bool noMessageBoxFor(DWORD processId, DWORD waitMs);

// What the screen shows at a point of a window's client area, as 0x00BBGGRR.
COLORREF screenPixel(HWND window, int x, int y);
// Whether a rectangle of the screen stands in its middle, to a pixel.
bool centredOnScreen(const RECT& bounds);

// Saves what the screen shows of a window as a 24-bit BMP file.
bool saveScreenshot(HWND window, const std::string& path);

}  // namespace driver
