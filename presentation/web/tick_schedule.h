// The game's two clocks in the browser: the frame every 40 ms and the panel
// tick every 10 ms, kept on absolute times of the page's millisecond clock
// so that late wake-ups do not make them drift.  The page sleeps until the
// frame is due (or a key comes) and runs whatever fell due since, oldest
// first: the panel ticks one after
// another, the frame at most once.  The panel tick only redraws the meter
// strip on the back surface (and applies refills that keys and frames ask
// for), which the player sees when the frame presents it, so its ticks
// wait for the frame's wake-up rather than waking the page 100 times a
// second; while frames are stopped (the page unfocused) they run in tens.
// While the game is quiet (its last frames changed nothing on the screen
// and no key came), the page wakes for every fourth frame only and runs
// the four then, each with its panel ticks, in their order: the game runs
// the same, a change it makes shows at most three frames late, and a key
// wakes the page at once.  After a longer stall (a busy machine, a hidden
// tab) the lost ticks are not made up in a burst: the clock starts again
// from now, as the desktop game's does.
#pragma once

#include "services/game_clock.h"

namespace raketa {

class TickSchedule {
 public:
  static constexpr double kFrameMs = game_clock::kFrameMs;
  static constexpr double kPanelMs = game_clock::kPanelMs;
  // Frames the page runs at one wake-up while the game is quiet.
  static constexpr int kQuietFrames = 4;
  // Ticks further behind than this are dropped, not made up: more than a
  // quiet wake-up's frames, less than a stall.
  static constexpr double kCatchUpMs = 200;
  static_assert(kCatchUpMs > kQuietFrames * kFrameMs);
  // While frames are stopped, how long panel ticks wait for a wake-up.
  static constexpr double kPanelBatchMs = 80;

  enum class Due { Nothing, Panel, Frame };

  // The first frame is due at once, the first panel tick one period later.
  explicit TickSchedule(double now) : nextFrame_(now), nextPanel_(now + kPanelMs) {}

  // When the loop next has something to do; frames count only while they
  // run.
  double NextDue(bool framesRun) const {
    return framesRun && nextFrame_ < nextPanel_ ? nextFrame_ : nextPanel_;
  }
  // When to wake the page next: when the frame is due, or while frames are
  // stopped, when the panel ticks have waited kPanelBatchMs (well within
  // what is made up).
  // While the game is quiet, when the last of kQuietFrames frames is due.
  double WakeAt(bool framesRun, bool quiet = false) const {
    if (!framesRun) return nextPanel_ + kPanelBatchMs;
    return quiet ? nextFrame_ + (kQuietFrames - 1) * kFrameMs : nextFrame_;
  }
  // True when the panel tick is due at `now`, which then counts as done.
  // Ticks that fell due up to kCatchUpMs ago are each due in turn.
  bool TakePanel(double now) { return Take(nextPanel_, kPanelMs, kCatchUpMs, now); }
  // The same for the frame.  Frames that were stopped (the page hidden or
  // unfocused) run at once when they resume, one however late: the time
  // they were stopped is not made up.
  bool TakeFrame(double now) {
    const bool resumed = stopped_;
    stopped_ = false;
    return Take(nextFrame_, kFrameMs, resumed ? kFrameMs : kCatchUpMs, now);
  }
  // Whichever of the two fell due first by `now` (the panel tick when both
  // fell due at the same time), counted as done; Nothing when neither is
  // due.  Called until it says Nothing, it runs everything due.
  Due Take(double now, bool framesRun) {
    if (!framesRun) stopped_ = true;
    const bool frame = framesRun && nextFrame_ <= now;
    if (nextPanel_ <= now && (!frame || nextPanel_ <= nextFrame_)) return TakePanel(now) ? Due::Panel : Due::Nothing;
    if (frame) return TakeFrame(now) ? Due::Frame : Due::Nothing;
    return Due::Nothing;
  }

 private:
  static bool Take(double& next, double period, double catchUp, double now) {
    if (now < next) return false;
    if (now - next >= catchUp) next = now;
    next += period;
    return true;
  }

  double nextFrame_;
  double nextPanel_;
  bool stopped_ = false;  // frames were stopped since the last one ran
};

}  // namespace raketa
