// Walking through doors: the four direction words, doors that do not exist,
// locked doors with and without the key, and room 32's north door.
#include <functional>

#include "commands_test_kit.h"

namespace raketa::test {
namespace {

constexpr int kHere = 5;

void Door(TWorld& w, Direction d, int target, bool opened, const std::string& key = "") {
  TExit& e = w.Room(kHere).Exits[d];
  e.Target = static_cast<std::uint8_t>(target);
  e.Opened = opened ? 1 : 0;
  SetName(e.KeyName, key);
}

struct MoveCase {
  const char* name;
  const char* line;
  int room;                                 // where the player stands
  std::function<void(TWorld&)> setup;
  bool handled;
  const char* answer;                       // the line afterwards
  std::vector<std::string> sounds;          // for the cases that do not move
  std::function<void(TWorld&)> change;      // what the command does to the world
  int arrival;                              // room entered, 0 = the player stays
};

const std::vector<MoveCase>& Cases() {
  static const std::vector<MoveCase> cases = {
      {"north through an open door", "sever", kHere, [](TWorld& w) { Door(w, North, 6, true); }, true, "", {},
       [](TWorld& w) { w.CurrentRoom = 6; }, 6},
      {"each word picks its own exit", "zapad", kHere,
       [](TWorld& w) {
         Door(w, North, 6, true);
         Door(w, East, 8, true);
         Door(w, South, 9, true);
         Door(w, West, 11, true);
       },
       true, "", {}, [](TWorld& w) { w.CurrentRoom = 11; }, 11},
      {"a trailing blank is no direction", "sever ", kHere, [](TWorld& w) { Door(w, North, 6, true); }, false,
       "sever ", {}, nullptr, 0},
      {"the accented word is no direction", "východ", kHere, [](TWorld& w) { Door(w, East, 6, true); }, false,
       "východ", {}, nullptr, 0},
      {"further words around the direction", "jdi na sever", kHere, [](TWorld& w) { Door(w, North, 6, true); },
       false, "jdi na sever", {}, nullptr, 0},
      {"no door north", "sever", kHere, nullptr, true, "to nejde...nejsou žádné dveře na sever...",
       Plays({Cue::chyba}), nullptr, 0},
      {"no door south", "jih", kHere, nullptr, true, "to nejde...nejsou žádné dveře na jih ...", Plays({Cue::chyba}),
       nullptr, 0},
      {"no door east", "vychod", kHere, nullptr, true, "to nejde...nejsou žádné dveře na východ ...",
       Plays({Cue::chyba}), nullptr, 0},
      {"no door west", "zapad", kHere, nullptr, true, "to nejde...nejsou žádné dveře na západ ...",
       Plays({Cue::chyba}), nullptr, 0},
      {"target 0 wins over an opened flag and a carried key", "vychod", kHere,
       [](TWorld& w) {
         Door(w, East, 0, true, "klic");
         SetItem(w.Slot(1), "klic");
       },
       true, "to nejde...nejsou žádné dveře na východ ...", Plays({Cue::chyba}), nullptr, 0},
      {"north locked, key not carried", "sever", kHere, [](TWorld& w) { Door(w, North, 6, false, "klic"); }, true,
       "bohužel dveře na sever jsou asi zamknuté....", Plays({Cue::zavrene}), nullptr, 0},
      {"south locked names the key", "jih", kHere, [](TWorld& w) { Door(w, South, 6, false, "klíč od dílny"); },
       true, "bohužel dveře jsou zamknuté chybí ti klíč od dílny", Plays({Cue::zavrene}), nullptr, 0},
      {"an AltName equal to the key is no key", "zapad", kHere,
       [](TWorld& w) {
         Door(w, West, 6, false, "klic");
         SetItem(w.Slot(1), "klicek", "klic");
       },
       true, "bohužel dveře jsou zamknuté chybí ti klic", Plays({Cue::zavrene}), nullptr, 0},
      {"a locked door naming no key is silently understood", "sever", kHere,
       [](TWorld& w) { Door(w, North, 6, false, ""); }, true, "sever", {}, nullptr, 0},
      {"the key opens east and the player walks through", "vychod", kHere,
       [](TWorld& w) {
         Door(w, East, 8, false, "klic");
         SetItem(w.Slot(3), "klic", "k");
       },
       true, "", {},
       [](TWorld& w) {
         w.Slot(3).Clear();
         w.Room(kHere).Exits[East].KeyName.clear();
         w.Room(kHere).Exits[East].Opened = 1;
         w.CurrentRoom = 8;
       },
       8},
      {"of two key copies the lower slot is used", "jih", kHere,
       [](TWorld& w) {
         Door(w, South, 9, false, "klic");
         SetItem(w.Slot(2), "klic", "a");
         SetItem(w.Slot(4), "klic", "b");
       },
       true, "", {},
       [](TWorld& w) {
         w.Slot(2).Clear();
         w.Room(kHere).Exits[South].KeyName.clear();
         w.Room(kHere).Exits[South].Opened = 1;
         w.CurrentRoom = 9;
       },
       9},
      {"the key opens north but the player stays", "sever", kHere,
       [](TWorld& w) {
         Door(w, North, 6, false, "klic");
         SetItem(w.Slot(2), "klic");
       },
       true, "ok..dveře jsou otevřené jdu na sever..", Plays({Cue::ok}),
       [](TWorld& w) {
         w.Slot(2).Clear();
         w.Room(kHere).Exits[North].KeyName.clear();
         w.Room(kHere).Exits[North].Opened = 1;
         // The contents panel was drawn: the room is searched, and its
         // unnamed fixtures (empty key name) open now that a hand is free.
         w.Room(kHere).Searched = 1;
         for (TFixture& f : w.Room(kHere).Fixtures) f.Opened = 1;
       },
       0},
      {"room 32: north without a door is opened all the same", "sever", 32, nullptr, true,
       "to nejde...nejsou žádné dveře na sever...", Plays({Cue::chyba}),
       [](TWorld& w) { w.Room(32).Exits[North].Opened = 1; }, 0},
      {"room 32: the north door needs no key, and keeps it", "sever", 32,
       [](TWorld& w) {
         w.Room(32).Exits[North] = TExit{};
         w.Room(32).Exits[North].Target = 33;
         SetName(w.Room(32).Exits[North].KeyName, "klic");
         SetItem(w.Slot(1), "klic");
       },
       true, "", {},
       [](TWorld& w) {
         w.Room(32).Exits[North].Opened = 1;
         w.CurrentRoom = 33;
       },
       33},
      {"room 32: only the north door opens by itself", "jih", 32,
       [](TWorld& w) {
         w.Room(32).Exits[South].Target = 31;
         SetName(w.Room(32).Exits[South].KeyName, "klic");
       },
       true, "bohužel dveře jsou zamknuté chybí ti klic", Plays({Cue::zavrene}), nullptr, 0},
  };
  return cases;
}

void PrintTo(const MoveCase& c, std::ostream* os) { *os << c.name; }

class MoveTable : public ::testing::TestWithParam<MoveCase> {};

TEST_P(MoveTable, AnswerCueAndWorld) {
  const MoveCase& c = GetParam();
  CommandRig rig(c.room);
  if (c.setup) c.setup(rig.w);
  TWorld expected = rig.w;
  if (c.change) c.change(expected);

  rig.Run(c.line, MoveCommand);

  EXPECT_EQ(rig.g.CommandHandled, c.handled);
  EXPECT_EQ(rig.LineUtf8(), c.answer);
  EXPECT_TRUE(SameWorld(expected, rig.w));
  if (c.arrival != 0) {
    // The room transition took over: its own confirmation, the new text.
    ASSERT_FALSE(rig.sound.calls.empty());
    EXPECT_EQ(Sounds(rig).front(), "play ok");
    // Outbound, nothing repaired: every room's plain text.
    EXPECT_EQ(rig.g.RoomTextFile.Path(), "texty\\m" + std::to_string(c.arrival) + ".dat");
    EXPECT_EQ(rig.g.StepCountdown, 30);
  } else {
    EXPECT_EQ(Sounds(rig), c.sounds);
    EXPECT_EQ(rig.g.StepCountdown, 0);
  }
}

INSTANTIATE_TEST_SUITE_P(Doors, MoveTable, ::testing::ValuesIn(Cases()),
                         [](const auto& info) { return CaseName(info.param.name); });

TEST(Move, RefusalCueStartsBeforeTheAnswerIsWritten) {
  // North has no door, south is locked.
  for (const char* line : {"sever", "jih"}) {
    CommandRig rig;
    Door(rig.w, South, 6, false, "klic");
    rig.Line(line);
    rig.ClearLogs();
    std::size_t cuesWhenAnswered = 0;
    rig.edit.OnTextChange = [&] { cuesWhenAnswered = rig.sound.calls.size(); };
    MoveCommand(rig.g);
    EXPECT_EQ(cuesWhenAnswered, 1u) << line;
  }
}

TEST(Move, UnlockingNorthRebuildsTheScreenAndTheNextWordWalksThrough) {
  CommandRig rig;
  Door(rig.w, North, 6, false, "klic");
  SetItem(rig.w.Slot(1), "klic");

  rig.Run("sever", MoveCommand);
  // Whole text (background, text, inventory; the room was not searched),
  // then the two panels.
  EXPECT_EQ(Panels(rig), (std::vector<std::string>{"background", "inventory", "inventory", "contents"}));
  EXPECT_EQ(Narration(rig), "Mistnost 5");
  EXPECT_EQ(rig.w.CurrentRoom, kHere);

  rig.Run("sever", MoveCommand);
  EXPECT_EQ(rig.w.CurrentRoom, 6);
  EXPECT_EQ(rig.LineUtf8(), "");
}

TEST(Move, SoundOffSilencesTheRefusals) {
  for (const char* line : {"sever", "jih"}) {
    CommandRig rig;
    rig.g.SoundOn = false;
    Door(rig.w, South, 6, false, "klic");
    rig.Run(line, MoveCommand);
    EXPECT_TRUE(rig.sound.calls.empty()) << line;
    EXPECT_TRUE(rig.g.CommandHandled) << line;
  }
}

}  // namespace
}  // namespace raketa::test
