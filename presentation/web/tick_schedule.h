// The game's two clocks in the browser: the frame every 40 ms and the panel
// tick every 10 ms, kept on absolute times of the page's millisecond clock
// so that late wake-ups do not make them drift.  After a stall (a busy
// machine, a hidden tab) the lost ticks are not made up in a burst: the
// clock starts again from now, as the desktop game's does.
#pragma once

namespace raketa {

class TickSchedule {
 public:
  static constexpr double kFrameMs = 40;
  static constexpr double kPanelMs = 10;

  // The first frame is due at once, the first panel tick one period later.
  explicit TickSchedule(double now) : nextFrame_(now), nextPanel_(now + kPanelMs) {}

  // When the loop next has something to do; frames count only while they
  // run.
  double NextDue(bool framesRun) const {
    return framesRun && nextFrame_ < nextPanel_ ? nextFrame_ : nextPanel_;
  }
  // True when the panel tick is due at `now`, which then counts as done.
  bool TakePanel(double now) { return Take(nextPanel_, kPanelMs, now); }
  // The same for the frame.  Frames that were stopped (the page hidden or
  // unfocused) run at once when they resume.
  bool TakeFrame(double now) { return Take(nextFrame_, kFrameMs, now); }

 private:
  static bool Take(double& next, double period, double now) {
    if (now < next) return false;
    next += period;
    if (next <= now) next = now + period;
    return true;
  }

  double nextFrame_;
  double nextPanel_;
};

}  // namespace raketa
