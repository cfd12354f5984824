// Which item a use line names: the two spellings of the verb, Name or
// AltName, the first slot of several, the bare verb with its blank, and the
// places an item in the floor or a fixture cannot be reached from.
#include <algorithm>
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

// A repair whose new room text is missing is a whole repair all the same:
// the flag or the meter with its cap, the item used up, the answer, the cue
// and the panels; the error is raised once, after all of it.
TEST(UseCarried, AMissingRepairTextStopsOnlyTheText) {
  struct Case {
    int room;
    const char* item;
    const char* missing;
    void (*prepare)(TWorld&);
    bool (*done)(const TWorld&);
    const char* answer;
  };
  const Case cases[] = {
      {32, "palivo", "texty/m32x.txt", [](TWorld& w) { w.GaugeReplaced = 1; w.Fuel = 80; },
       [](const TWorld& w) { return w.Fuel == 100.0f; }, "Ok..doplnil jsem "},
      {28, "článek", "texty/m28x.dat", [](TWorld& w) { w.CablesRepaired = 1; w.CellCharge = 75; },
       [](const TWorld& w) { return w.CellCharge == 100.0f; }, "Ok..článek vyměněn "},
      {7, "tlakoměr", "texty/m7x.dat", [](TWorld& w) { w.ValveClosed = 1; },
       [](const TWorld& w) { return w.GaugeReplaced == 1; }, "Ok..tlakoměr vyměněn můžeš dolít palivo... "},
      {33, "izolačka", "texty/m33x.dat", [](TWorld& w) { w.SuitWorn = 1; },
       [](const TWorld& w) { return w.CablesRepaired == 1; }, "Kable jsou opraveny mužeš měnit članky."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.item);
    CommandRig rig(c.room);
    std::remove(c.missing);
    c.prepare(rig.w);
    SetItem(rig.w.Slot(1), c.item);
    rig.Line(std::string("použij ") + c.item);
    rig.ClearLogs();
    EXPECT_THROW(ValveAndUseCommand(rig.g), IoError);
    EXPECT_TRUE(c.done(rig.w));
    EXPECT_TRUE(rig.w.Slot(1).Empty()) << "the item is used up";
    EXPECT_EQ(rig.LineUtf8(), c.answer);
    const std::vector<std::string> sounds = Sounds(rig);
    EXPECT_NE(std::find(sounds.begin(), sounds.end(), Plays({Cue::dopln})[0]), sounds.end());
    EXPECT_NE(Panels(rig), std::vector<std::string>{}) << "the screen is rebuilt";
  }
}

}  // namespace
}  // namespace raketa::test
