#include "toolkit/form.h"

#include "toolkit/headless/ui_state.h"

namespace toolkit {

// A headless screen of 1024 x 768; the frame adds what a fixed single border with a caption
// adds on classic Windows.
namespace {
constexpr int kScreenWidth = 1024;
constexpr int kScreenHeight = 768;
constexpr int kFrameX = 3;
constexpr int kCaptionHeight = 22;
}  // namespace

struct Form::Impl {
  graphics::Rect screenBounds;
  bool shown = false;
};

Form::Form(const FormOptions& options, Component* owner)
    : Component(owner),
      options_(options),
      density_(headless::uiState().screenDensity),
      impl_(std::make_unique<Impl>()) {
  applySize();
}

Form::~Form() {
  freeComponents();
}

void Form::applyCaption() {}
std::string Form::caption() const {
  return options_.caption;
}

void Form::applySize() {
  graphics::Rect& r = impl_->screenBounds;
  const graphics::Size client = clientSize();
  r.right = r.left + client.cx + 2 * kFrameX;
  r.bottom = r.top + client.cy + kCaptionHeight + 2 * kFrameX;
}

// Nothing on the headless screen shows colour, stacking or icons; the options keep them.
void Form::applyColor() {}
void Form::applyStacking() {}
void Form::applyIcon() {}

graphics::Rect Form::screenBounds() const {
  return impl_->screenBounds;
}
bool Form::shown() const {
  return impl_->shown;
}

WindowHandle Form::window() const {
  return impl_.get();
}

void Form::show() {
  if (!impl_->shown) {
    const graphics::Rect& r = impl_->screenBounds;
    const int left = (kScreenWidth - r.width()) / 2;
    const int top = (kScreenHeight - r.height()) / 2;
    impl_->screenBounds = {left, top, left + r.width(), top + r.height()};
    impl_->shown = true;
  }
  runShowHandler();
}

}  // namespace toolkit
