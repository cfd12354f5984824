// The meters: drains in extended precision stored as singles, the end
// checks before the drains, and the panel with its refills and limits.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <map>

#include "support/rig.h"

namespace raketa::test {
namespace {

// The drain rule computed independently: the exact difference in quad
// precision, rounded once to the 64-bit mantissa of extended precision and
// then to single.
float RuleDrain(float stored, const char* decimal) {
  __float128 exact = static_cast<__float128>(stored) - static_cast<__float128>(std::strtold(decimal, nullptr));
  long double extended = static_cast<long double>(exact);
  return static_cast<float>(extended);
}

std::uint32_t Bits(float f) {
  std::uint32_t u;
  std::memcpy(&u, &f, 4);
  return u;
}

// Runs of consecutive singles across the meters' range.  Near zero a drain
// done in single precision stores other bits than the rule; in double
// precision it never does for these constants, so only single is guarded.
std::vector<float> DrainSamples() {
  std::vector<float> out;
  for (float start : {0.001f, 0.0625f, 0.5f, 1.0f, 57.0f, 99.0f}) {
    float v = start;
    for (int i = 0; i < 4000; ++i) {
      out.push_back(v);
      v = std::nextafter(v, 200.0f);
    }
  }
  return out;
}

TEST(LifeSupport, DrainsFollowTheExtendedPrecisionRule) {
  Rig rig;
  rig.StartPlay(2);
  for (float start : DrainSamples()) {
    rig.w.CablesRepaired = 1;
    rig.w.SuitWorn = 1;
    rig.w.MinutesLeft = start;
    rig.w.SuitOxygen = start;
    rig.w.Fuel = start;
    LifeSupportTick(rig.g);
    ASSERT_EQ(Bits(rig.w.MinutesLeft), Bits(RuleDrain(start, "0.07"))) << start;
    ASSERT_EQ(Bits(rig.w.SuitOxygen), Bits(RuleDrain(start, "0.004"))) << start;
    ASSERT_EQ(Bits(rig.w.Fuel), Bits(RuleDrain(start, "0.005"))) << start;
  }
}

TEST(LifeSupport, TheSamplesTellTheRuleFromSinglePrecision) {
  // Guards the test above: its samples must include values where a drain
  // done in single precision stores other bits.
  for (const char* decimal : {"0.07", "0.005", "0.004"}) {
    float constant = std::strtof(decimal, nullptr);
    int differs = 0;
    for (float v : DrainSamples()) differs += Bits(v - constant) != Bits(RuleDrain(v, decimal));
    EXPECT_GT(differs, 0) << decimal;
  }
}

struct TickCase {
  const char* name;
  int room;
  bool outside, suit;
  float health, nourishment;
  float expectHealth, expectNourishment;
};

TEST(LifeSupport, HarmfulPlacesAndStarvation) {
  const TickCase cases[] = {
      {"safe room", 2, false, false, 50, 50, 50, 50},
      {"room 7 without suit", 7, false, false, 50, 50, 49, 49},
      {"room 7 with suit", 7, false, true, 50, 50, 50, 50},
      {"outside without suit", 33, true, false, 50, 50, 49, 49},
      {"room 34 is sheltered", 34, true, false, 50, 50, 50, 50},
      {"starving", 2, false, false, 50, 1.5f, 49, 1.5f},
      {"starving outside", 33, true, false, 50, 1.5f, 48, 0.5f},
      {"starving outside in room 7", 7, true, false, 50, 1.5f, 47, -0.5f},
      {"nourishment exactly 2 is not starving", 2, false, false, 50, 2, 50, 2},
  };
  for (const TickCase& c : cases) {
    SCOPED_TRACE(c.name);
    Rig rig;
    rig.StartPlay(c.room);
    rig.w.Room(c.room).Outside = c.outside;
    rig.w.SuitWorn = c.suit;
    rig.w.Health = c.health;
    rig.w.Nourishment = c.nourishment;
    LifeSupportTick(rig.g);
    EXPECT_EQ(rig.w.Health, c.expectHealth);
    EXPECT_EQ(rig.w.Nourishment, c.expectNourishment);
    EXPECT_FALSE(rig.g.GameOver);
  }
}

TEST(LifeSupport, EndChecksComeBeforeTheDrains) {
  Rig rig;
  rig.StartPlay(7);
  rig.w.Health = 1;  // exactly 1 lives on
  LifeSupportTick(rig.g);
  EXPECT_FALSE(rig.g.GameOver);
  EXPECT_EQ(rig.w.Health, 0);
  LifeSupportTick(rig.g);  // below 1 now: the next check ends the game
  EXPECT_TRUE(rig.g.GameOver);
  EXPECT_EQ(rig.Played(), std::vector<Cue>{Cue::mrtvy});
}

TEST(LifeSupport, DeathAndCrashInOneFramePlayBothCues) {
  Rig rig;
  rig.StartPlay(2);
  rig.w.Health = 0.5f;
  rig.w.MinutesLeft = 0.5f;
  LifeSupportTick(rig.g);
  EXPECT_TRUE(rig.g.GameOver);
  EXPECT_EQ(rig.Played(), (std::vector<Cue>{Cue::logo, Cue::mrtvy}));
}

TEST(LifeSupport, RepairsStopTheirDrains) {
  Rig rig;
  rig.StartPlay(2);
  rig.w.ValveClosed = 1;
  rig.w.CablesRepaired = 0;
  float fuel = rig.w.Fuel, cells = rig.w.CellCharge, minutes = rig.w.MinutesLeft;
  LifeSupportTick(rig.g);
  EXPECT_EQ(rig.w.Fuel, fuel);
  EXPECT_LT(rig.w.CellCharge, cells);
  EXPECT_EQ(rig.w.MinutesLeft, minutes);
  rig.w.ValveClosed = 0;
  rig.w.GaugeReplaced = 1;
  rig.w.CablesRepaired = 1;
  cells = rig.w.CellCharge;
  LifeSupportTick(rig.g);
  EXPECT_EQ(rig.w.Fuel, fuel);
  EXPECT_EQ(rig.w.CellCharge, cells);
  EXPECT_LT(rig.w.MinutesLeft, minutes);
}

// The strip as drawn: text at each meter's place.
std::map<int, std::string> MeterTexts(const Rig& rig) {
  std::map<int, std::string> out;
  for (const DrawOp& op : rig.display.ops) {
    if (op.kind == DrawOp::Text && op.y == 640) out[op.x] = Cp1250ToUtf8(op.text);
  }
  return out;
}

TEST(MeterPanel, ShowsRoundedMetersHalvesToEven) {
  Rig rig;
  rig.StartPlay(2);
  rig.w.Health = 98.5f;
  rig.w.Nourishment = 99.5f;
  rig.w.CellCharge = -0.4f;
  rig.w.Fuel = 12.51f;
  rig.w.SuitWorn = 1;
  rig.w.SuitOxygen = 0.5f;
  rig.ClearLogs();
  rig.runner.PanelTick();
  auto texts = MeterTexts(rig);
  EXPECT_EQ(texts[850], "98 %");
  EXPECT_EQ(texts[930], "100 %");
  EXPECT_EQ(texts[610], "0 %");
  EXPECT_EQ(texts[730], "13 %");
  EXPECT_EQ(texts[520], "0 %");
  // The black strip is erased first.
  ASSERT_FALSE(rig.display.ops.empty());
  const DrawOp& strip = rig.display.ops[0];
  EXPECT_EQ(strip.kind, DrawOp::Rect);
  EXPECT_EQ(strip.brush, BrushStyle::Solid);
  EXPECT_EQ(strip.brushColour, colour::Black);
  EXPECT_EQ(std::make_tuple(strip.x, strip.y, strip.right, strip.bottom), std::make_tuple(510, 640, 990, 663));
  // The negative cell charge is raised to 0 after drawing.
  EXPECT_EQ(rig.w.CellCharge, 0);
}

TEST(MeterPanel, AlarmLineOnlyOnceTheRocketMoves) {
  Rig rig;
  rig.StartPlay(2);
  rig.w.MinutesLeft = 56.5f;
  rig.runner.PanelTick();
  for (const std::string& t : rig.DrawnTexts()) EXPECT_EQ(t.find("sakra"), std::string::npos);
  rig.w.CablesRepaired = 1;
  rig.ClearLogs();
  rig.runner.PanelTick();
  auto texts = rig.DrawnTexts();
  EXPECT_NE(std::find(texts.begin(), texts.end(), "sakra sakra raketa se pohnula nemáš moc času 56"), texts.end());
  EXPECT_NE(std::find(texts.begin(), texts.end(), "minut rychle do kabiny !!"), texts.end());
}

TEST(MeterPanel, RefillsAreCappedAndApplyOnce) {
  struct Case {
    float before, after;
  };
  for (const Case& c : {Case{90, 100}, Case{60, 85}, Case{-3, 22}}) {
    Rig rig;
    rig.StartPlay(2);
    rig.w.Health = c.before;
    rig.w.Nourishment = c.before;
    rig.w.SuitOxygen = c.before;
    rig.g.HealthRefill = rig.g.NourishmentRefill = rig.g.SuitOxygenRefill = true;
    rig.runner.PanelTick();
    rig.runner.PanelTick();
    EXPECT_EQ(rig.w.Health, c.after);
    EXPECT_EQ(rig.w.Nourishment, c.after);
    EXPECT_EQ(rig.w.SuitOxygen, c.after);
  }
}

TEST(MeterPanel, DoesNothingOnScreensThatStopTime) {
  Rig rig;
  rig.StartPlay(2);
  rig.g.Paused = true;
  rig.g.HealthRefill = true;
  rig.w.Health = 50;
  rig.runner.PanelTick();
  EXPECT_TRUE(rig.display.ops.empty());
  EXPECT_EQ(rig.w.Health, 50);
}

}  // namespace
}  // namespace raketa::test
