#include "toolkit/panel.h"

#include <stdexcept>
#include <type_traits>
#include <utility>
#include <vector>

#include "toolkit/accessibility.h"
#include "toolkit/headless/in_process_driver.h"
#include "toolkit/headless/ui_state.h"

namespace toolkit {

// The panel's screen: a bitmap of its size that immediate paints draw on and that paintHost()
// runs the paint cycle into, so that tests can read what a person would see.
struct Panel::Impl {
  std::unique_ptr<graphics::Bitmap> surface;
  int immediatePaints = 0;
  int invalidations = 0;
  int colorDepth = 32;
  int postedRunRequests = 0;
  std::vector<headless::AccessibleEvent> accessibleEvents;
};

Panel::Panel(Component* owner)
    : ChildWindow(owner, kDefaultColor, kKind, kParentKind), impl_(std::make_unique<Impl>()) {
  impl_->surface = graphics::createBitmap(0, 0);
}

Panel::~Panel() {
  freeComponents();
  if (parent_) parent_->removeHost(*this);
}

void Panel::placeWindow(Form*) {}

void Panel::moveWindow() {
  impl_->surface->setSize(bounds().width(), bounds().height());
}

bool Panel::showing() const {
  return parent_ && parent_->shown();
}

bool Panel::topLevelEnabled() const {
  return parent_ && headless::uiState().openBoxes == 0;  // a modal box disables every form
}

void Panel::invalidateRect(const graphics::Rect&) {
  ++impl_->invalidations;
}

void Panel::paintControlNow(GraphicControl& control) {
  ++impl_->immediatePaints;
  paintControl(impl_->surface->canvas(), control);
}

void Panel::setMouseCapture(bool) {}

graphics::Point Panel::clientToScreen(graphics::Point at) const {
  if (!parent_) return at;
  const graphics::Rect window = parent_->screenBounds();
  return {window.left + bounds().left + at.x, window.top + bounds().top + at.y};
}

int Panel::colorDepth() const {
  return impl_->colorDepth;
}

void Panel::requestPostedRun() {
  ++impl_->postedRunRequests;
}

void Panel::accessibleChanged(GraphicControl& control, AccessibleChange change) {
  const int object = accessibleObjectOf(*this, control, change);
  if (object >= 0) impl_->accessibleEvents.push_back({object, change});
}

WindowHandle Panel::window() const {
  return impl_.get();
}

namespace headless {
namespace {

template <class Host>
auto& panelOf(Host& host) {
  using PanelType = std::conditional_t<std::is_const_v<Host>, const Panel, Panel>;
  auto* panel = dynamic_cast<PanelType*>(&host);
  if (!panel) throw std::logic_error("The headless toolkit's only control host is the panel");
  return *panel;
}

// The panel's in-memory window, which tests read.
Panel::Impl& screenOf(const ControlHost& host) {
  return *static_cast<Panel::Impl*>(panelOf(host).window());
}

}  // namespace

int immediatePaints(const ControlHost& host) {
  return screenOf(host).immediatePaints;
}
int invalidations(const ControlHost& host) {
  return screenOf(host).invalidations;
}
void setColorDepth(ControlHost& host, int bitsPerPixel) {
  screenOf(host).colorDepth = bitsPerPixel;
}
void paintHost(ControlHost& host) {
  Panel& panel = panelOf(host);
  panel.paint(screenOf(host).surface->canvas(), {0, 0, panel.bounds().width(), panel.bounds().height()});
}
const graphics::Canvas& hostSurface(const ControlHost& host) {
  return screenOf(host).surface->canvas();
}
int postedRunRequests(const ControlHost& host) {
  return screenOf(host).postedRunRequests;
}
std::vector<AccessibleEvent> takeAccessibleEvents(ControlHost& host) {
  return std::exchange(screenOf(host).accessibleEvents, {});
}

}  // namespace headless
}  // namespace toolkit
