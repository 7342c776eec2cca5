// Reading a window description takes any text. It loads, or it is refused with a description
// error and leaves the window as it was: no component made, every property of the window its
// own again. What loads stores as a text that loads back and stores the same again, and the
// loaded window paints without a failure.
//
// Input: the text of a description of the main window's class, TForm1, with the classes and
// the event handler names of the real window.
#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <exception>
#include <string>
#include <string_view>
#include <system_error>

#include "app/main_window_classes.h"
#include "description/description_reader.h"
#include "description/description_syntax.h"
#include "description/description_writer.h"
#include "fuzz_check.h"
#include "toolkit/form.h"
#include "toolkit/headless/in_process_driver.h"
#include "toolkit/panel.h"

namespace {

// The main window's class as descriptions know it, without the updater behind its handlers.
class TForm1 : public toolkit::Form {};

const description::ClassRegistry& classes() {
  static const description::ClassRegistry registry = app::mainWindowClasses<TForm1>();
  return registry;
}

const description::Methods& methods() {
  static const description::Methods table = [] {
    description::Methods m;
    for (const char* name : {"FormShow", "Timer1Timer", "Button1Click", "Button2Click"})
      m.add<toolkit::NotifyEvent>(name, [](toolkit::Component&) {});
    m.add<toolkit::KeyEvent>("FormKeyDown", [](toolkit::Component&, int, unsigned) {});
    return m;
  }();
  return table;
}

// The headless panel keeps a bitmap of its whole size as its screen, which a real window does
// not: texts whose panels would need more than this are left out, as their cost is the test
// backend's and not the reader's.
constexpr std::int64_t kMaxPanelPixels = std::int64_t{1} << 22;
// Above this a figure is too big anyway; every sum and product of figures capped at it fits in
// 64 bits, whatever numbers the text holds.
constexpr std::int64_t kTooMany = kMaxPanelPixels + 1;

std::int64_t capped(std::int64_t n) {
  return std::min(n, kTooMany);
}

// The side's size however it is signed, capped.
std::int64_t sideOf(const description::ObjectBlock& block, std::string_view property) {
  for (const auto& line : block.properties) {
    if (line.name != property || line.value.kind != description::ValueToken::Kind::kNumber) continue;
    std::int64_t side = 0;
    const std::string& t = line.value.text;
    const auto read = std::from_chars(t.data(), t.data() + t.size(), side);
    if (read.ec == std::errc::result_out_of_range || side < -kTooMany || side > kTooMany) return kTooMany;
    return side < 0 ? -side : side;
  }
  return 0;
}

std::int64_t panelPixels(const description::ObjectBlock& block) {
  std::int64_t pixels = 0;
  if (block.className == "TPanel") pixels = capped(sideOf(block, "Width") * sideOf(block, "Height"));
  for (const auto& child : block.children) pixels = capped(pixels + panelPixels(child));
  return pixels;
}

bool fitsTheHeadlessScreens(std::string_view text) {
  try {
    return panelPixels(description::parseDescription(text)) <= kMaxPanelPixels;
  } catch (const description::DescriptionError&) {
    return true;  // the reader refuses it before any panel is made
  }
}

std::string store(const toolkit::Component& window) {
  try {
    return description::storeDescription(window, classes());
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s\n", e.what());
    fuzz::require(false, "a window that loaded stores");
  }
  return {};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  if (!fitsTheHeadlessScreens(text)) return 0;
  toolkit::headless::resetUi();

  TForm1 window;
  window.setName("Untouched");
  const std::string untouched = store(window);
  try {
    description::loadDescription(window, text, classes(), methods());
  } catch (const description::DescriptionError&) {
    fuzz::require(window.ownedComponents().empty(), "a refused text leaves no component behind");
    fuzz::require(store(window) == untouched, "a refused text leaves the window's properties as they were");
    return 0;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s\n", e.what());
    fuzz::require(false, "loading succeeds or throws only a description error");
  }

  const std::string stored = store(window);
  TForm1 again;
  try {
    description::loadDescription(again, stored, classes(), methods());
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s\n", e.what());
    fuzz::require(false, "what a window stores loads back");
  }
  fuzz::require(store(again) == stored, "store, load and store again gives the same text");

  window.show();
  for (const auto& owned : window.ownedComponents()) {
    if (auto* panel = dynamic_cast<toolkit::Panel*>(owned.get())) toolkit::headless::paintHost(*panel);
  }
  for (const auto& box : toolkit::headless::shownBoxes()) std::fprintf(stderr, "%s\n", box.text.c_str());
  fuzz::require(toolkit::headless::shownBoxes().empty(),
                "a loaded window shows and paints without a failure");
  return 0;
}
