// Value types only: the slow fade's rule, how the pointer and the worker's ticks move FadeStep.
#pragma once

namespace widgets {

// FadeStep runs from 0, the plain colour, to this, the full hot-track colour; a fade takes one
// tick per step.
inline constexpr int kFadeSteps = 8;

// What the worker that times the fade is to do after a move. Parking is not counted, so the
// driver parks only a running worker and resumes only a parked one.
enum class FadeWorker { kAsIs, kPark, kResume };

struct FadeMove;

// Where a fade stands. It knows nothing of threads: each event gives the next fade and what the
// worker and the face are to do, and the button acts on that.
class Fade {
 public:
  constexpr Fade() = default;

  // FadeStep, 0 to kFadeSteps.
  constexpr int step() const { return step_; }

  // The pointer enters: full strength at once. A running worker parks, as its fade would
  // otherwise carry on under the pointer.
  constexpr FadeMove enter() const;
  // The pointer leaves. Timed (a worker ticks the fade), the worker resumes and its ticks bring
  // the step down from where it is; nothing shows yet. Untimed, the plain colour comes back at
  // once, since nothing else would take the button out of its hot look.
  constexpr FadeMove leave(bool timed) const;

  struct TickSeen {
    bool ending = false;         // the button is going, or its worker is asked to end
    bool pointerInside = false;  // the pointer has come back during the fade
  };
  // One tick of the worker. An ending tick changes nothing. With the pointer back the face
  // stays hot and the next leave fades from the top. Otherwise one step down, and the tick that
  // reaches the plain colour parks the worker.
  constexpr FadeMove tick(TickSeen seen) const;

 private:
  constexpr explicit Fade(int step) : step_(step) {}

  int step_ = 0;
};

struct FadeMove {
  Fade next;
  FadeWorker worker = FadeWorker::kAsIs;
  bool refresh = false;  // the face shows the new step
};

constexpr FadeMove Fade::enter() const {
  return {Fade(kFadeSteps), FadeWorker::kPark, true};
}

constexpr FadeMove Fade::leave(bool timed) const {
  if (timed) return {*this, FadeWorker::kResume, false};
  return {Fade(0), FadeWorker::kAsIs, true};
}

constexpr FadeMove Fade::tick(TickSeen seen) const {
  if (seen.ending) return {*this, FadeWorker::kAsIs, false};
  if (seen.pointerInside) return {*this, FadeWorker::kPark, false};
  // A tick from the plain colour (a leave that followed no hot state) stays there.
  if (step_ - 1 <= 0) return {Fade(0), FadeWorker::kPark, true};
  return {Fade(step_ - 1), FadeWorker::kAsIs, true};
}

}  // namespace widgets
