// The fade's rule on its own, without a worker: each event of a fade, the step it leaves, what
// it asks of the worker and whether the face shows it.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "widgets/lb_fade.h"

namespace widgets {

// Failures name the worker's move instead of showing its bytes.
void PrintTo(FadeWorker worker, std::ostream* out) {
  constexpr const char* kNames[] = {"kAsIs", "kPark", "kResume"};
  *out << kNames[static_cast<int>(worker)];
}

namespace {

enum class Event { kEnter, kLeaveTimed, kLeaveAtOnce, kTick, kTickPointerInside, kTickEnding };

struct Expected {
  Event event;
  int step;  // after the event
  FadeWorker worker;
  bool refresh;
};

struct FadeCase {
  const char* name;
  std::vector<Expected> events;  // from a fade at the plain colour
};

FadeMove apply(const Fade& fade, Event event) {
  switch (event) {
    case Event::kEnter:
      return fade.enter();
    case Event::kLeaveTimed:
      return fade.leave(true);
    case Event::kLeaveAtOnce:
      return fade.leave(false);
    case Event::kTick:
      return fade.tick({});
    case Event::kTickPointerInside:
      return fade.tick({.pointerInside = true});
    case Event::kTickEnding:
      return fade.tick({.ending = true});
  }
  return {};
}

constexpr auto kAsIs = FadeWorker::kAsIs;
constexpr auto kPark = FadeWorker::kPark;
constexpr auto kResume = FadeWorker::kResume;

TEST(FadeRule, EachEventGivesTheNextStepAndWhatTheWorkerAndTheFaceDo) {
  using enum Event;
  const FadeCase cases[] = {
      {"a leave fades in eight refreshed steps and parks the worker",
       {{kEnter, 8, kPark, true},
        {kLeaveTimed, 8, kResume, false},
        {kTick, 7, kAsIs, true},
        {kTick, 6, kAsIs, true},
        {kTick, 5, kAsIs, true},
        {kTick, 4, kAsIs, true},
        {kTick, 3, kAsIs, true},
        {kTick, 2, kAsIs, true},
        {kTick, 1, kAsIs, true},
        {kTick, 0, kPark, true}}},
      {"a leave without a hot state ticks once and parks again",
       {{kLeaveTimed, 0, kResume, false}, {kTick, 0, kPark, true}}},
      {"the pointer coming back parks the fade and the next leave starts at the top",
       {{kEnter, 8, kPark, true},
        {kLeaveTimed, 8, kResume, false},
        {kTick, 7, kAsIs, true},
        {kTick, 6, kAsIs, true},
        {kEnter, 8, kPark, true},
        {kLeaveTimed, 8, kResume, false},
        {kTick, 7, kAsIs, true},
        {kEnter, 8, kPark, true},
        {kTickPointerInside, 8, kPark, false}}},
      {"a tick once destruction or termination has begun does nothing",
       {{kEnter, 8, kPark, true}, {kLeaveTimed, 8, kResume, false}, {kTickEnding, 8, kAsIs, false}}},
      {"without a worker a leave ends the fade at once with one refresh",
       {{kEnter, 8, kPark, true}, {kLeaveAtOnce, 0, kAsIs, true}}},
  };
  for (const FadeCase& c : cases) {
    SCOPED_TRACE(c.name);
    Fade fade;
    for (std::size_t i = 0; i < c.events.size(); ++i) {
      SCOPED_TRACE("event " + std::to_string(i));
      const Expected& e = c.events[i];
      const FadeMove move = apply(fade, e.event);
      EXPECT_EQ(move.next.step(), e.step);
      EXPECT_EQ(move.worker, e.worker);
      EXPECT_EQ(move.refresh, e.refresh);
      fade = move.next;
    }
  }
}

}  // namespace
}  // namespace widgets
