// One canister or one cell raises its meter by 25, as a single; above 90 the
// meter is topped up to exactly 100, the room's "full" text shows and
// "dopln" plays.
#include <cmath>

#include "commands_test_kit.h"

namespace raketa::test {
namespace {

struct StepCase {
  const char* name;
  float before;
  float after;
  bool full;
};

void PrintTo(const StepCase& c, std::ostream* os) { *os << c.name; }

const std::vector<StepCase>& Cases() {
  static const std::vector<StepCase> cases = {
      {"from empty", 0.0f, 25.0f, false},
      {"from 60 to 85", 60.0f, 85.0f, false},
      {"from 65 exactly to 90, not above", 65.0f, 90.0f, false},
      {"from just above 65 to full", std::nextafter(65.0f, 100.0f), 100.0f, true},
      {"from 65.5 to full", 65.5f, 100.0f, true},
      {"from 75 to full", 75.0f, 100.0f, true},
      {"from 99.99 to exactly 100", 99.99f, 100.0f, true},
      // The sum is rounded once, to the nearest single.
      {"from 0.1", 0.1f, 25.1f, false},
      {"from a drained 74.99", 74.99f, 100.0f, true},
  };
  return cases;
}

class FuelStep : public ::testing::TestWithParam<StepCase> {};

TEST_P(FuelStep, CarriedCanister) {
  const StepCase& c = GetParam();
  CommandRig rig(32);
  rig.w.GaugeReplaced = 1;
  rig.w.Fuel = c.before;
  SetItem(rig.w.Slot(1), "palivo");
  rig.Run("použij palivo", ValveAndUseCommand);
  EXPECT_EQ(rig.w.Fuel, c.after);
  EXPECT_EQ(rig.g.RoomTextFile.Path(), c.full ? "texty\\m32x.txt" : "texty\\m32.dat");
  EXPECT_EQ(Sounds(rig).front() == "play dopln", c.full);
  EXPECT_TRUE(rig.w.Slot(1).Empty());
}

TEST_P(FuelStep, CellInAFixtureInTheReturnTexts) {
  const StepCase& c = GetParam();
  CommandRig rig(28);
  rig.g.TripPhase = Phase::Return;  // the cell text follows the phase's extension
  rig.w.CablesRepaired = 1;
  rig.w.CellCharge = c.before;
  rig.Here().Searched = 1;
  rig.Here().Fixtures[1].Opened = 1;
  SetItem(rig.Here().Fixtures[1].Items[2], "článek");
  rig.Run("pouzij článek", [](Game& g) { UseFromFixtureCommand(g, 2); });
  EXPECT_EQ(rig.w.CellCharge, c.after);
  EXPECT_EQ(rig.g.RoomTextFile.Path(), c.full ? "texty\\m28x.zpt" : "texty\\m28.dat");
  EXPECT_EQ(Sounds(rig).front() == "play dopln", c.full);
  EXPECT_FALSE(rig.Here().Fixtures[1].Items[2].Empty());
}

INSTANTIATE_TEST_SUITE_P(Meter, FuelStep, ::testing::ValuesIn(Cases()),
                         [](const auto& info) { return CaseName(info.param.name); });

// A canister lying in room 32 can be poured again and again: 25, 50, 75,
// then full with the fourth, and the fifth is refused.
TEST(MeterStep, FuelFourTimesFromTheFloorOfRoom32) {
  CommandRig rig(32);
  rig.w.GaugeReplaced = 1;
  rig.w.Fuel = 0;
  rig.Here().Searched = 1;
  SetItem(rig.Here().Items[3], "palivo", "kanystr");
  const float expected[] = {25, 50, 75, 100};
  for (int use = 0; use < 4; ++use) {
    rig.Run(use % 2 ? "použij kanystr" : "použij palivo", UseFromFloorCommand);
    EXPECT_EQ(rig.w.Fuel, expected[use]) << use;
    EXPECT_EQ(rig.LineUtf8(), "Ok..doplnil jsem ");
    EXPECT_TRUE(rig.Here().Items[3].Name == "palivo");
    EXPECT_EQ(Sounds(rig).front() == "play dopln", use == 3) << use;
  }
  EXPECT_EQ(rig.g.RoomTextFile.Path(), "texty\\m32x.dat");
  EXPECT_EQ(Narration(rig), "Po oprave 32");
  rig.Run("použij palivo", UseFromFloorCommand);
  EXPECT_EQ(rig.LineUtf8(), "Už není třeba... ");
  EXPECT_EQ(Sounds(rig), Plays({Cue::chyba}));
}

// A missing "full" text is an I/O error that the frame reports; the tank
// is full all the same (exactly 100, which the way home needs).
TEST(MeterStep, AMissingFullTextStillFillsToExactly100) {
  CommandRig rig(32);
  std::remove("texty/m32x.txt");
  rig.w.GaugeReplaced = 1;
  rig.w.Fuel = 70;
  SetItem(rig.w.Slot(1), "palivo");
  rig.Line("použij palivo");
  EXPECT_THROW(ValveAndUseCommand(rig.g), IoError);
  EXPECT_EQ(rig.w.Fuel, 100.0f);
  EXPECT_TRUE(rig.w.Slot(1).Empty());
}

}  // namespace
}  // namespace raketa::test
