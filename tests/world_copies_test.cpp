// The copies of the world kept for going back after a death.
#include <gtest/gtest.h>

#include <vector>

#include "world/world_copies.h"

namespace raketa {
namespace {

// A world told apart by its room and its health: the frame it was copied in.
TWorld At(long frame) {
  TWorld w{};
  w.CurrentRoom = static_cast<std::uint8_t>(1 + frame / WorldCopies::kEvery % 36);
  w.Health = static_cast<float>(frame);
  return w;
}

void Play(WorldCopies& c, long& frame, long frames) {
  for (long i = 0; i < frames; ++i, ++frame) c.PlayFrame(At(frame));
}

TEST(WorldCopies, BackGoesToTheNewestCopyAtLeastThirtySecondsOld) {
  struct Case {
    const char* name;
    long played;    // frames of play before the death
    long expected;  // the frame whose world comes back
  };
  const Case cases[] = {
      {"a death in the first frames goes back to the start", 5, 0},
      {"twenty seconds in: to the start, the oldest copy", 500, 0},
      {"exactly thirty seconds after a copy", 1001, 250},
      {"the copies younger than thirty seconds are passed over", 1100, 250},
      {"after ten minutes the start is gone: two minutes is the limit", 15001, 14250},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    WorldCopies copies;
    long frame = 0;
    Play(copies, frame, c.played);
    TWorld w = At(99999);
    ASSERT_TRUE(copies.Back(w));
    EXPECT_EQ(w.Health, static_cast<float>(c.expected));
  }
}

// Going back again and again without playing walks back thirty seconds at a
// time, down to the oldest of the twelve copies and no further.
TEST(WorldCopies, KeepsTwelveAndGoesBackToTheOldestAtMost) {
  WorldCopies copies;
  long frame = 0;
  Play(copies, frame, 20 * WorldCopies::kEvery);  // copies at 2000 ... 4750 kept
  std::vector<float> back;
  TWorld w{};
  while (copies.Back(w)) back.push_back(w.Health);
  EXPECT_EQ(back, (std::vector<float>{4250, 3500, 2750, 2000}));
}

// A second death soon after going back goes further back; time played after
// going back counts from the copy's time.
TEST(WorldCopies, ASecondDeathSoonAfterGoesFurtherBack) {
  WorldCopies copies;
  long frame = 0;
  Play(copies, frame, 3000);
  TWorld w{};
  ASSERT_TRUE(copies.Back(w));
  EXPECT_EQ(w.Health, 2250.0f);
  frame = 2250;
  Play(copies, frame, 100);  // dies four seconds later
  ASSERT_TRUE(copies.Back(w));
  EXPECT_EQ(w.Health, 1500.0f);
}

TEST(WorldCopies, ClearedCopiesGiveNothingBack) {
  WorldCopies copies;
  long frame = 0;
  Play(copies, frame, 600);
  copies.Clear();
  TWorld w = At(7);
  EXPECT_TRUE(copies.Empty());
  EXPECT_FALSE(copies.Back(w));
  EXPECT_EQ(w.Health, 7.0f);
}

}  // namespace
}  // namespace raketa
