// Which item a use line names: the two spellings of the verb, Name or
// AltName, the first slot of several, the bare verb with its blank, and the
// places an item in the floor or a fixture cannot be reached from.
#include <functional>

#include "commands_test_kit.h"

namespace raketa::test {
namespace {

struct MatchCase {
  const char* name;
  const char* line;
  std::function<void(CommandRig&)> setup;
  void (*handler)(Game&);
  bool handled;
  const char* answer;
  std::function<void(TWorld&)> change;
};

void PrintTo(const MatchCase& c, std::ostream* os) { *os << c.name; }

void UseFixture1(Game& g) { UseFromFixtureCommand(g, 1); }
void UseFixture3(Game& g) { UseFromFixtureCommand(g, 3); }

std::function<void(TWorld&)> Cleared(std::function<TItem&(TWorld&)> slot) {
  return [=](TWorld& w) {
    slot(w).Clear();
    w.Current().Searched = 1;
  };
}
TItem& Carried2(TWorld& w) { return w.Slot(2); }
TItem& Carried3(TWorld& w) { return w.Slot(3); }
TItem& Floor1(TWorld& w) { return w.Current().Items[0]; }
TItem& Fixture3Slot2(TWorld& w) { return w.Current().Fixtures[2].Items[1]; }

// A searched room; its fixtures open with a key nobody carries.
void Searched(CommandRig& rig) {
  rig.Here().Searched = 1;
  for (TFixture& f : rig.Here().Fixtures) SetName(f.KeyName, "nic");
}

const char* const kEaten = "Mňam Mňam...";

const std::vector<MatchCase>& Cases() {
  static const std::vector<MatchCase> cases = {
      {"the accented verb and the Name", "použij tatranka",
       [](CommandRig& r) {
         Searched(r);
         SetItem(r.w.Slot(2), "tatranka", "tycinka");
       },
       ValveAndUseCommand, true, kEaten, Cleared(Carried2)},
      {"the plain verb and the AltName", "pouzij tycinka",
       [](CommandRig& r) {
         Searched(r);
         SetItem(r.w.Slot(2), "tatranka", "tycinka");
       },
       ValveAndUseCommand, true, kEaten, Cleared(Carried2)},
      {"the table looks at the Name, not the AltName typed", "použij skafandr",
       [](CommandRig& r) { SetItem(r.w.Slot(2), "oblek", "skafandr"); }, ValveAndUseCommand, true,
       "No... vzal jsem ale nevím co s tím...", nullptr},
      {"of the same name in slots 2 and 4, slot 2", "použij pivo",
       [](CommandRig& r) {
         Searched(r);
         SetItem(r.w.Slot(2), "pivo", "a");
         SetItem(r.w.Slot(4), "pivo", "b");
       },
       ValveAndUseCommand, true, kEaten, Cleared(Carried2)},
      {"a trailing blank names nothing", "použij pivo ", [](CommandRig& r) { SetItem(r.w.Slot(1), "pivo"); },
       ValveAndUseCommand, false, "použij pivo ", nullptr},
      {"two blanks name nothing", "použij  pivo", [](CommandRig& r) { SetItem(r.w.Slot(1), "pivo"); },
       ValveAndUseCommand, false, "použij  pivo", nullptr},
      {"the bare verb names nothing", "použij", [](CommandRig& r) { SetItem(r.w.Slot(1), "pivo", ""); },
       ValveAndUseCommand, false, "použij", nullptr},
      {"the verb with its blank meets an empty slot", "použij ",
       [](CommandRig& r) { SetItem(r.w.Slot(2), "pivo", ""); }, ValveAndUseCommand, true,
       "No... vzal jsem ale nevím co s tím...", nullptr},
      {"the verb with its blank uses an item without AltName", "použij ",
       [](CommandRig& r) {
         Searched(r);
         FillInventory(r.w);
         SetItem(r.w.Slot(3), "houska", "");
       },
       ValveAndUseCommand, true, kEaten, Cleared(Carried3)},
      {"a valve line with a trailing blank is no use line either", "zastav ventil ",
       [](CommandRig& r) { SetItem(r.w.Slot(1), "ventil"); }, ValveAndUseCommand, false, "zastav ventil ", nullptr},

      {"the floor of an unsearched room", "použij tatranka",
       [](CommandRig& r) { SetItem(r.Here().Items[4], "tatranka"); }, UseFromFloorCommand, true,
       "snad bych se tu měl asi porozhlédnout co??...", nullptr},
      {"the floor by AltName", "pouzij tycinka",
       [](CommandRig& r) {
         Searched(r);
         SetItem(r.Here().Items[0], "tatranka", "tycinka");
       },
       UseFromFloorCommand, true, kEaten, Cleared(Floor1)},
      {"the verb with its blank meets an empty floor slot", "použij ",
       [](CommandRig& r) {
         Searched(r);
         FillInventory(r.w);
         SetItem(r.Here().Items[1], "pivo", "");
       },
       UseFromFloorCommand, true, "No tento předmět si musíš vzít..", nullptr},
      {"nothing of that name on the floor", "použij pivo", Searched, UseFromFloorCommand, false, "použij pivo",
       nullptr},

      {"a locked fixture's items are out of reach", "použij pivo",
       [](CommandRig& r) {
         Searched(r);
         SetItem(r.Here().Fixtures[0].Items[0], "pivo");
       },
       UseFixture1, false, "použij pivo", nullptr},
      {"an open fixture in an unsearched room", "použij pivo",
       [](CommandRig& r) {
         r.Here().Fixtures[0].Opened = 1;
         SetItem(r.Here().Fixtures[0].Items[0], "pivo");
       },
       UseFixture1, true, "snad bych se tu měl asi porozhlédnout co??...", nullptr},
      {"fixture 3 by AltName in its second slot", "pouzij lahev",
       [](CommandRig& r) {
         Searched(r);
         r.Here().Fixtures[2].Opened = 1;
         SetItem(r.Here().Fixtures[2].Items[1], "pivo", "lahev");
       },
       UseFixture3, true, kEaten, Cleared(Fixture3Slot2)},
  };
  return cases;
}

class UseMatching : public ::testing::TestWithParam<MatchCase> {};

TEST_P(UseMatching, NamedItem) {
  const MatchCase& c = GetParam();
  CommandRig rig;
  c.setup(rig);
  TWorld expected = rig.w;
  if (c.change) c.change(expected);
  rig.Run(c.line, c.handler);
  EXPECT_EQ(rig.g.CommandHandled, c.handled);
  EXPECT_EQ(rig.LineUtf8(), c.answer);
  EXPECT_TRUE(SameWorld(expected, rig.w));
}

INSTANTIATE_TEST_SUITE_P(Use, UseMatching, ::testing::ValuesIn(Cases()),
                         [](const auto& info) { return CaseName(info.param.name); });

// Not searching first costs nothing: the floor item stays, and after a
// search the same line uses it up.
TEST(UseFromFloor, AfterSearchingTheSameLineUsesTheItem) {
  CommandRig rig;
  SetItem(rig.Here().Items[0], "tatranka");
  rig.Run("použij tatranka", UseFromFloorCommand);
  EXPECT_TRUE(rig.sound.calls.empty());
  EXPECT_TRUE(rig.Here().Items[0].Name == "tatranka");
  rig.Run("prohledej", SearchRoomCommand);
  rig.Run("použij tatranka", UseFromFloorCommand);
  EXPECT_EQ(rig.LineUtf8(), "Mňam Mňam...");
  EXPECT_TRUE(rig.Here().Items[0].Empty());
}

// After an item used up in a room never searched, the room counts as
// searched and its contents are shown.
TEST(UseCarried, UsingUpMarksTheRoomSearched) {
  CommandRig rig;
  SetItem(rig.w.Slot(1), "obvaz");
  rig.Run("použij obvaz", ValveAndUseCommand);
  EXPECT_EQ(Panels(rig), (std::vector<std::string>{"background", "inventory", "inventory", "contents"}));
  EXPECT_EQ(Sounds(rig), Plays({Cue::ok, Cue::dopln}));
  EXPECT_EQ(rig.Here().Searched, 1);
}

// The gauge and the tape switch the narration before they are used up: a
// missing text stops the command with the flag set and the item kept.
TEST(UseCarried, AMissingRepairTextStopsBeforeTheItemIsUsedUp) {
  CommandRig rig(7);
  std::remove("texty/m7x.dat");
  rig.w.ValveClosed = 1;
  SetItem(rig.w.Slot(1), "tlakoměr");
  rig.Line("použij tlakoměr");
  EXPECT_THROW(ValveAndUseCommand(rig.g), IoError);
  EXPECT_EQ(rig.w.GaugeReplaced, 1);
  EXPECT_TRUE(rig.w.Slot(1).Name == W("tlakoměr"));
  EXPECT_FALSE(rig.g.RoomTextFile.IsOpen());
}

}  // namespace
}  // namespace raketa::test
