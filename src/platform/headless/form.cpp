#include "platform/form.h"

#include "platform/guarded.h"

namespace platform {

// A headless screen of 1024 x 768; the frame adds what a fixed single border with a caption
// adds on classic Windows.
namespace {
constexpr int kScreenWidth = 1024;
constexpr int kScreenHeight = 768;
constexpr int kFrameX = 3;
constexpr int kCaptionHeight = 22;
}  // namespace

struct Form::Impl {
  std::string caption;
  Rect screenBounds;
  bool shown = false;
};

Form::Form(const FormOptions& options, Component* owner)
    : Component(owner), options_(options), impl_(std::make_unique<Impl>()) {
  impl_->caption = options.caption;
  const int w = options.clientWidth + 2 * kFrameX;
  const int h = options.clientHeight + kCaptionHeight + 2 * kFrameX;
  impl_->screenBounds = {0, 0, w, h};
}

Form::~Form() = default;

void Form::setCaption(std::string_view caption) {
  impl_->caption = caption;
}
std::string Form::caption() const {
  return impl_->caption;
}
Rect Form::screenBounds() const {
  return impl_->screenBounds;
}
bool Form::shown() const {
  return impl_->shown;
}

void Form::show() {
  if (!impl_->shown) {
    const Rect& r = impl_->screenBounds;
    const int left = (kScreenWidth - r.width()) / 2;
    const int top = (kScreenHeight - r.height()) / 2;
    impl_->screenBounds = {left, top, left + r.width(), top + r.height()};
    impl_->shown = true;
  }
  runGuarded(onShow);
}

}  // namespace platform
