#include "widgets/lb_button_thread.h"

#include <utility>

namespace widgets {
namespace {

// The termination request is read only at the head of the loop: a sleep that has begun is
// completed and its tick handed over.
toolkit::Thread::Body tickEvery30ms(const std::shared_ptr<void>& keepAlive, std::function<void()> tick) {
  return [keepAlive, tick = std::move(tick)](toolkit::ThreadContext& worker) {
    while (!worker.terminated()) {
      worker.sleep(TLbButtonThread::kTickInterval);
      worker.synchronize(tick);
    }
  };
}

}  // namespace

TLbButtonThread::TLbButtonThread(TickEvent onTick, toolkit::ThreadOptions options)
    : ticking_(std::make_shared<Ticking>(Ticking{std::move(onTick), this})),
      thread_(tickEvery30ms(ticking_,
                            [t = ticking_.get()] {
                              if (t->sender && t->onTick) t->onTick(*t->sender);
                            }),
              std::move(options)) {
  thread_.setFreeOnTerminate(true);
}

TLbButtonThread::~TLbButtonThread() {
  ticking_->sender = nullptr;
  // A worker left to free itself carries on past its handle; without this request it would
  // wake every 30 ms for the rest of the process.
  thread_.terminate();
}

}  // namespace widgets
