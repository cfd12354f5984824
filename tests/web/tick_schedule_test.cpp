// The frame and the panel tick on the page's clock.
#include "presentation/web/tick_schedule.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

namespace raketa {
namespace {

// Runs the loop as the page does: sleep until the next tick is due, waking
// `late` ms after it, until `until`; counts what ran.
struct Ran {
  int frames = 0;
  int panels = 0;
};
Ran Loop(TickSchedule& s, double& now, double until, double late, bool framesRun = true) {
  Ran ran;
  while (true) {
    const double wake = s.NextDue(framesRun) + late;
    if (wake > until) break;
    now = wake;
    if (s.TakePanel(now)) ++ran.panels;
    if (framesRun && s.TakeFrame(now)) ++ran.frames;
  }
  return ran;
}

TEST(TickSchedule, FirstFrameAtOnceFirstPanelTickAPeriodLater) {
  TickSchedule s(1000);
  EXPECT_EQ(s.NextDue(true), 1000);
  EXPECT_EQ(s.NextDue(false), 1010);
  EXPECT_FALSE(s.TakePanel(1009.9));
  EXPECT_TRUE(s.TakeFrame(1000));
  EXPECT_FALSE(s.TakeFrame(1039));
  EXPECT_TRUE(s.TakeFrame(1040));
}

TEST(TickSchedule, LateWakeUpsDoNotMakeTheClocksDrift) {
  // Woken 3 ms late every time, the ticks due up to 1000 ms still number
  // 26 frames (0, 40 ... 1000) and 100 panel ticks (10, 20 ... 1000): each
  // is due a whole period after the one before, not after the late
  // wake-up.
  TickSchedule s(0);
  double now = 0;
  const Ran ran = Loop(s, now, 1000 + 3, 3);
  EXPECT_EQ(ran.frames, 26);
  EXPECT_EQ(ran.panels, 100);
}

TEST(TickSchedule, AStallIsNotMadeUpInABurst) {
  TickSchedule s(0);
  ASSERT_TRUE(s.TakeFrame(0));
  // Half a second without the loop (a hidden tab): one of each, then the
  // clocks go on from there.
  EXPECT_TRUE(s.TakePanel(500));
  EXPECT_FALSE(s.TakePanel(500));
  EXPECT_TRUE(s.TakeFrame(500));
  EXPECT_FALSE(s.TakeFrame(500));
  EXPECT_EQ(s.NextDue(false), 510);
  EXPECT_EQ(s.NextDue(true), 510);
  EXPECT_FALSE(s.TakeFrame(539));
  EXPECT_TRUE(s.TakeFrame(540));
}

TEST(TickSchedule, StoppedFramesLeaveThePanelTicking) {
  TickSchedule s(0);
  double now = 0;
  const Ran stopped = Loop(s, now, 200, 0, false);
  EXPECT_EQ(stopped.frames, 0);
  EXPECT_EQ(stopped.panels, 20);
  // Frames resume at once, not with the frames missed while stopped.
  EXPECT_EQ(s.NextDue(true), 0);
  EXPECT_TRUE(s.TakeFrame(now));
  EXPECT_FALSE(s.TakeFrame(now));
}

// Runs the page's loop on animation frames every `interval` ms from 0 to
// `until`: everything due at each, as the page does.
struct Frames {
  int frames = 0;
  int panels = 0;
  int mostPanelsAtOnce = 0;
  int mostFramesAtOnce = 0;
};
Frames OnAnimationFrames(TickSchedule& s, double interval, double until, bool framesRun = true) {
  Frames ran;
  for (int k = 0; k * interval <= until + 1e-6; ++k) {
    int panels = 0, frames = 0;
    for (TickSchedule::Due d; (d = s.Take(k * interval, framesRun)) != TickSchedule::Due::Nothing;)
      ++(d == TickSchedule::Due::Panel ? panels : frames);
    ran.panels += panels;
    ran.frames += frames;
    ran.mostPanelsAtOnce = std::max(ran.mostPanelsAtOnce, panels);
    ran.mostFramesAtOnce = std::max(ran.mostFramesAtOnce, frames);
  }
  return ran;
}

TEST(TickSchedule, AnimationFramesRunEveryTickThatFellDue) {
  // Whether the browser draws 60 times a second, or 30 on a busy machine,
  // or 144, a second of play has its 100 panel ticks and its frames due at
  // 0, 40 ... 1000; never two frames at once.
  struct Case {
    double interval;
    int mostPanels;
  };
  for (const Case c : {Case{50.0 / 3, 2}, Case{100.0 / 3, 4}, Case{1000.0 / 144, 1}}) {
    SCOPED_TRACE(c.interval);
    TickSchedule s(0);
    const Frames ran = OnAnimationFrames(s, c.interval, 1000);
    EXPECT_EQ(ran.panels, 100);
    EXPECT_EQ(ran.frames, 26);
    EXPECT_EQ(ran.mostFramesAtOnce, 1);
    EXPECT_EQ(ran.mostPanelsAtOnce, c.mostPanels);
  }
  // Without frames the panel ticks on alone.
  TickSchedule s(0);
  const Frames stopped = OnAnimationFrames(s, 50.0 / 3, 1000, false);
  EXPECT_EQ(stopped.panels, 100);
  EXPECT_EQ(stopped.frames, 0);
}

// The page sleeps till WakeAt, woken by the browser's timer as late as at
// the next animation frame after it: 25 wake-ups a second while frames
// run, 10 while they are stopped, and not one panel tick lost either way.
TEST(TickSchedule, WakesThePageOnlyWhenAFrameIsDue) {
  constexpr double kVsync = 50.0 / 3;
  for (const bool framesRun : {true, false}) {
    SCOPED_TRACE(framesRun ? "frames run" : "frames stopped");
    TickSchedule s(0);
    int wakes = 0, frames = 0, panels = 0;
    for (double now = 0;;) {
      now = std::max(now, std::ceil(s.WakeAt(framesRun) / kVsync - 1e-9) * kVsync);
      if (now > 1000 + 1e-6) break;
      ++wakes;
      for (TickSchedule::Due d; (d = s.Take(now, framesRun)) != TickSchedule::Due::Nothing;)
        ++(d == TickSchedule::Due::Panel ? panels : frames);
      now += kVsync;  // the next animation frame at the earliest
    }
    EXPECT_EQ(frames, framesRun ? 26 : 0);
    EXPECT_EQ(wakes, framesRun ? 26 : 10);
    EXPECT_EQ(panels, 100);
  }
}

TEST(TickSchedule, WhatFellDueRunsOldestFirst) {
  using Due = TickSchedule::Due;
  TickSchedule s(0);
  EXPECT_EQ(s.Take(0, true), Due::Frame);
  EXPECT_EQ(s.Take(0, true), Due::Nothing);
  // At 45: the panel ticks of 10, 20, 30 and 40, then the frame of 40 (a
  // tick before a frame due at the same time), then nothing till 50.
  for (Due expected : {Due::Panel, Due::Panel, Due::Panel, Due::Panel, Due::Frame, Due::Nothing})
    EXPECT_EQ(s.Take(45, true), expected);
  EXPECT_EQ(s.NextDue(true), 50);
  // Frames resuming (due since 0) run before the panel tick due at 40.
  TickSchedule t(0);
  for (double now : {10, 20, 30}) ASSERT_EQ(t.Take(now, false), Due::Panel);
  for (Due expected : {Due::Frame, Due::Panel, Due::Nothing}) EXPECT_EQ(t.Take(45, true), expected);
}

TEST(TickSchedule, MakesUpAFifthOfASecondOfPanelTicksButNoMore) {
  struct Case {
    double gap;  // since the last animation frame, which ran everything due
    int made;    // panel ticks run when the next comes
  };
  for (const Case c : {Case{16, 1}, Case{90, 9}, Case{209, 20}, Case{210, 1}, Case{2000, 1}}) {
    TickSchedule s(0);
    ASSERT_TRUE(s.TakePanel(10));
    int made = 0;
    while (s.TakePanel(10 + c.gap)) ++made;
    EXPECT_EQ(made, c.made) << "after " << c.gap << " ms";
    // Either way the next tick is due within a period.
    EXPECT_GT(s.NextDue(false), 10 + c.gap);
    EXPECT_LE(s.NextDue(false), 10 + c.gap + TickSchedule::kPanelMs);
  }
}

// A quiet game wakes the page for every fourth frame and runs the four
// then, in their order with their panel ticks: the same ticks as waking for
// each, about a quarter of the wake-ups.  A key wakes it at once; frames
// that resume after being stopped are not made up.
TEST(TickSchedule, AQuietGameWakesThePageForEveryFourthFrame) {
  using Due = TickSchedule::Due;
  TickSchedule s(0);
  int wakes = 0, frames = 0, panels = 0;
  std::string order;
  for (double now = 0; now < 1000;) {
    now = std::min(1000.0, std::max(now, s.WakeAt(true, true)));
    ++wakes;
    for (Due d; (d = s.Take(now, true)) != Due::Nothing;) {
      ++(d == Due::Panel ? panels : frames);
      if (wakes == 2) order += d == Due::Panel ? "p" : "F";
    }
  }
  EXPECT_EQ(frames, 26);
  EXPECT_EQ(panels, 100);
  EXPECT_EQ(wakes, 7);  // at 120, 280 ... 920, and 1000
  // The second wake-up, at 280: the frames of 160 ... 280, each after the
  // panel ticks due up to it.
  EXPECT_EQ(order, "ppppFppppFppppFppppF");

  // A key at 100 wakes the page before the quiet wake-up at 160: the ticks
  // and frames due by then run, and nothing more till the frame of 120.
  TickSchedule k(0);
  ASSERT_EQ(k.Take(0, true), Due::Frame);
  EXPECT_EQ(k.WakeAt(true, true), 160);
  int ran = 0;
  while (k.Take(100, true) != Due::Nothing) ++ran;
  EXPECT_EQ(ran, 10 + 2);
  EXPECT_EQ(k.WakeAt(true, false), 120);

  // Stopped from 0 to 150, the frames run one at 150, not four.
  TickSchedule t(0);
  ASSERT_EQ(t.Take(0, true), Due::Frame);
  for (double now = 10; now <= 140; now += 10) ASSERT_EQ(t.Take(now, false), Due::Panel);
  int resumed = 0;
  for (Due d; (d = t.Take(150, true)) != Due::Nothing;) resumed += d == Due::Frame;
  EXPECT_EQ(resumed, 1);
}

}  // namespace
}  // namespace raketa
