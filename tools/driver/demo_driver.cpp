// Runs the updater's whole job on a prepared installation, as a person would, and reports what
// they would have seen: the log after the check, the confirmation, the new record and whether
// the installed file is now the carried one. Screenshots go to the output folder as BMP files.
//   demo_driver <updater.exe> <output folder> [check-only]
#include <cstdio>
#include <string>

#include "out_of_process_driver.h"
#include "payload_compare.h"
#include "platform/registry.h"
#include "process.h"

namespace {

// At 96 dpi; the window shows them at the screen's density.
constexpr RECT kUpgradeButton{16, 120, 217, 151};
constexpr RECT kCloseButton{300, 120, 408, 151};

RECT atScreenDensity(const RECT& r) {
  const HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  const auto scaled = [dpi](LONG v) { return MulDiv(v, dpi, 96); };
  return {scaled(r.left), scaled(r.top), scaled(r.left) + scaled(r.right - r.left),
          scaled(r.top) + scaled(r.bottom - r.top)};
}

void printLog(const char* heading, const std::string& text) {
  std::printf("%s\n", heading);
  std::size_t start = 0;
  for (std::size_t end = text.find("\r\n"); end != std::string::npos; end = text.find("\r\n", start)) {
    std::printf("  | %s\n", text.substr(start, end - start).c_str());
    start = end + 2;
  }
}

std::string recordValue(const char* name) {
  const auto key = platform::MachineKey::open("Software\\Kerovana\\37");
  if (!key) return "(no record)";
  const auto info = key->queryInfo(name);
  if (!info) return "(missing)";
  auto data = key->queryData(name, info->size);
  if (!data) return "(unreadable)";
  data->resize(data->find('\0') == std::string::npos ? data->size() : data->find('\0'));
  return *data;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3 || argc > 4 || (argc == 4 && std::string(argv[3]) != "check-only")) {
    std::fprintf(stderr, "usage: demo_driver <updater.exe> <output folder> [check-only]\n");
    return 2;
  }
  const bool install = argc == 3;
  const std::string updater = argv[1];
  const std::string out = std::string(argv[2]) + "\\";
  driver::Process process("\"" + updater + "\"");
  const auto window = process.started() ? driver::waitForUpdater(process.id(), 20000) : std::nullopt;
  if (!window) {
    std::fprintf(stderr, "the updater's window did not appear\n");
    return 1;
  }
  const std::string checked = driver::waitForLogLines(*window, 1, 10000);
  std::printf("window: %s\n", driver::windowText(window->form).c_str());
  Sleep(300);  // let the last paint land before the picture
  driver::saveScreenshot(window->form, out + (install ? "1-after-check.bmp" : "4-next-run.bmp"));
  printLog("log after the check:", checked);

  int status = 0;
  if (install && checked.find("Cale ") != std::string::npos) {
    std::printf("clicking \"Actualizare la versiunea ...\"\n");
    driver::clickButton(*window, atScreenDensity(kUpgradeButton));
    const auto box = driver::waitForMessageBox(process.id(), 30000);
    if (!box) {
      std::fprintf(stderr, "no dialog after the click\n");
      return 1;
    }
    std::printf("dialog \"%s\": %s\n", box->title.c_str(), box->text.c_str());
    Sleep(300);
    driver::saveScreenshot(box->hwnd, out + "2-dialog.bmp");
    driver::pressOk(*box);
    driver::waitUntil([&] { return !IsWindow(box->hwnd); }, 5000);
    Sleep(300);
    driver::saveScreenshot(window->form, out + "3-after-upgrade.bmp");
    printLog("log after the click:", driver::logText(*window));
    std::printf("VER in the record: %s\n", recordValue("VER").c_str());
    const std::string target = recordValue("CALE") + "\\Ralvt.exe";
    const auto same = driver::fileEqualsCarriedPayload(updater, target);
    std::printf("%s %s the carried payload\n", target.c_str(),
                !same   ? "could not be compared with"
                : *same ? "equals"
                        : "DIFFERS FROM");
    if (!same || !*same) status = 1;
  }
  std::printf("clicking \"Inchide\"\n");
  driver::clickButton(*window, atScreenDensity(kCloseButton));
  const auto code = process.waitForExit(10000);
  std::printf("updater exit code: %s\n", code ? std::to_string(*code).c_str() : "(still running)");
  return code && *code == 0 ? status : 1;
}
