// The frame and the panel tick on the page's clock.
#include "presentation/web/tick_schedule.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace raketa
