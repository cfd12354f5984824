// Taking items from the floor and from fixtures, and putting them down.
#include <functional>

#include "commands_test_kit.h"

namespace raketa::test {
namespace {

struct TransferCase {
  const char* name;
  const char* line;
  std::function<void(TWorld&)> setup;
  void (*handler)(Game&);
  bool handled;
  const char* answer;
  std::vector<std::string> sounds;
  std::function<void(TWorld&)> change;  // the expected change of the world
};

void PrintTo(const TransferCase& c, std::ostream* os) { *os << c.name; }

// A searched room with a rope and a bar on the floor, a locked cupboard in
// fixture 1 and open boxes in fixtures 2 and 3.  The fixtures have key names
// nobody carries, so the panel opens none of them.
void Room(TWorld& w) {
  TRoom& r = w.Current();
  r.Searched = 1;
  SetItem(r.Items[0], "lano", "provaz");
  SetItem(r.Items[1], "tatranka", "tycinka");
  SetName(r.Fixtures[0].Name, "skrin");
  SetName(r.Fixtures[0].KeyName, "karta");
  SetItem(r.Fixtures[0].Items[0], "pivo", "lahev");
  for (int f : {1, 2}) {
    SetName(r.Fixtures[f].Name, f == 1 ? "bedna" : "krabice");
    SetName(r.Fixtures[f].KeyName, "nic");
    r.Fixtures[f].Opened = 1;
  }
  SetItem(r.Fixtures[1].Items[1], "obvaz", "bandaz");
  SetItem(r.Fixtures[2].Items[2], "houska", "");
}

template <class... Steps>
std::function<void(TWorld&)> All(Steps... steps) {
  return [=](TWorld& w) { (steps(w), ...); };
}

auto Unsearched = [](TWorld& w) { w.Current().Searched = 0; };
auto HandsFull = [](TWorld& w) { FillInventory(w); };
auto FloorFull = [](TWorld& w) { FillFloor(w.Current()); };

// The item from `from` ends up in inventory slot `k` and `from` is emptied.
std::function<void(TWorld&)> Carried(int k, std::function<TItem&(TWorld&)> from) {
  return [=](TWorld& w) {
    w.Slot(k) = from(w);
    from(w).Clear();
  };
}
std::function<TItem&(TWorld&)> FloorSlot(int i) {
  return [=](TWorld& w) -> TItem& { return w.Current().Items[i - 1]; };
}
std::function<TItem&(TWorld&)> FixtureSlot(int f, int j) {
  return [=](TWorld& w) -> TItem& { return w.Current().Fixtures[f - 1].Items[j - 1]; };
}

const std::vector<TransferCase>& Cases() {
  static const std::vector<TransferCase> cases = {
      // --- the floor ---
      {"take from the floor by name", "vem lano", Room, TakeFromFloorCommand, true, "OK..vzal jsem...",
       Plays({Cue::ok, Cue::ok}), Carried(1, FloorSlot(1))},
      {"take from the floor by the other name", "vem tycinka", Room, TakeFromFloorCommand, true, "OK..vzal jsem...",
       Plays({Cue::ok, Cue::ok}), Carried(1, FloorSlot(2))},
      {"an earlier slot's AltName wins over a later Name", "vem lano",
       All(Room, [](TWorld& w) { SetItem(w.Current().Items[0], "kabel", "lano"); }), TakeFromFloorCommand, true,
       "OK..vzal jsem...", Plays({Cue::ok, Cue::ok}), Carried(1, FloorSlot(1))},
      {"of two equal names the lower slot", "vem tatranka",
       All(Room, [](TWorld& w) { SetItem(w.Current().Items[5], "tatranka", "druha"); }), TakeFromFloorCommand, true,
       "OK..vzal jsem...", Plays({Cue::ok, Cue::ok}), Carried(1, FloorSlot(2))},
      {"the taken item goes to the lowest free slot", "vem lano",
       All(Room, [](TWorld& w) { SetItem(w.Slot(1), "kamen"); }), TakeFromFloorCommand, true, "OK..vzal jsem...",
       Plays({Cue::ok, Cue::ok}), Carried(2, FloorSlot(1))},
      {"the floor of an unsearched room", "vem lano", All(Room, Unsearched), TakeFromFloorCommand, true,
       "snad bych se tu měl asi porozhlédnout co??...", {}, nullptr},
      {"four items carried: the floor item does not fit", "vem lano", All(Room, HandsFull), TakeFromFloorCommand,
       true, "bohužel nevleze...", Plays({Cue::chyba}), nullptr},
      {"vezmi does not reach the floor", "vezmi lano", Room, TakeFromFloorCommand, false, "vezmi lano", {}, nullptr},
      {"an item that is not here", "vem klic", Room, TakeFromFloorCommand, false, "vem klic", {}, nullptr},
      {"vem with its blank takes an empty floor slot: nothing changes hands", "vem ", Room, TakeFromFloorCommand,
       true, "OK..vzal jsem...", Plays({Cue::ok, Cue::ok}), nullptr},
      {"vem with its blank takes an item without AltName", "vem ",
       All(Room, [](TWorld& w) { SetItem(w.Current().Items[0], "houska", ""); }), TakeFromFloorCommand, true,
       "OK..vzal jsem...", Plays({Cue::ok, Cue::ok}), Carried(1, FloorSlot(1))},
      {"a full floor and vem with its blank", "vem ", All(Room, FloorFull), TakeFromFloorCommand, false, "vem ", {},
       nullptr},

      // --- the fixtures ---
      {"vezmi from an open fixture 2 (the handler confirms too)", "vezmi obvaz", Room, TakeFromFixtureCommand, true,
       "OK..vzal jsem...", Plays({Cue::ok, Cue::ok, Cue::ok}), Carried(1, FixtureSlot(2, 2))},
      {"vem from fixture 3 by its AltName-less name", "vem houska", Room, TakeFromFixtureCommand, true,
       "OK..vzal jsem...", Plays({Cue::ok, Cue::ok, Cue::ok}), Carried(1, FixtureSlot(3, 3))},
      {"vezmi by the other name", "vezmi bandaz", Room, TakeFromFixtureCommand, true, "OK..vzal jsem...",
       Plays({Cue::ok, Cue::ok, Cue::ok}), Carried(1, FixtureSlot(2, 2))},
      {"fixture 1 confirms only through the panel", "vezmi pivo",
       All(Room, [](TWorld& w) { w.Current().Fixtures[0].Opened = 1; }), TakeFromFixtureCommand, true,
       "OK..vzal jsem...", Plays({Cue::ok, Cue::ok}), Carried(1, FixtureSlot(1, 1))},
      {"a locked fixture", "vezmi pivo", Room, TakeFromFixtureCommand, true, "skrin..je zřejmě nepřístupný..",
       Plays({Cue::chyba}), nullptr},
      {"a fixture in an unsearched room", "vem lahev", All(Room, Unsearched), TakeFromFixtureCommand, true,
       "snad bych se tu měl asi porozhlédnout co??...", {}, nullptr},
      {"four items carried: the fixture item does not fit", "vezmi obvaz", All(Room, HandsFull),
       TakeFromFixtureCommand, true, "bohužel nemáš místo...", Plays({Cue::chyba}), nullptr},
      {"vezmi with its blank takes an empty fixture slot", "vezmi ",
       All(Room, [](TWorld& w) { w.Current().Fixtures[0].Opened = 1; }), TakeFromFixtureCommand, true,
       "OK..vzal jsem...", Plays({Cue::ok, Cue::ok}), nullptr},
      {"the unsearched check comes before the lock", "vezmi pivo", All(Room, Unsearched), TakeFromFixtureCommand,
       true, "snad bych se tu měl asi porozhlédnout co??...", {}, nullptr},

      // --- dropping ---
      {"drop onto the first free floor slot", "odloz klic",
       All(Room, [](TWorld& w) { SetItem(w.Slot(2), "klic", "k"); }), DropCommand, true, "OK..odložil jsem ...",
       Plays({Cue::ok, Cue::ok}),
       [](TWorld& w) {
         w.Current().Items[2] = w.Slot(2);
         w.Slot(2).Clear();
       }},
      {"drop by the other name", "odloz k", All(Room, [](TWorld& w) { SetItem(w.Slot(2), "klic", "k"); }),
       DropCommand, true, "OK..odložil jsem ...", Plays({Cue::ok, Cue::ok}),
       [](TWorld& w) {
         w.Current().Items[2] = w.Slot(2);
         w.Slot(2).Clear();
       }},
      {"ten items on the floor: no room", "odloz klic",
       All(Room, FloorFull, [](TWorld& w) { SetItem(w.Slot(1), "klic"); }), DropCommand, true, "bohužel nevleze...",
       Plays({Cue::chyba}), nullptr},
      {"the worn suit is taken off and kept", "odloz skafandr",
       All(Room,
           [](TWorld& w) {
             SetItem(w.Slot(3), "skafandr", "oblek");
             w.SuitWorn = 1;
           }),
       DropCommand, true, "OK..odložil jsem ...",
       {"stop dychani", "play ok", "play ok", "play ok"}, [](TWorld& w) { w.SuitWorn = 0; }},
      {"the worn suit named by its AltName", "odloz oblek",
       All(Room,
           [](TWorld& w) {
             SetItem(w.Slot(3), "skafandr", "oblek");
             w.SuitWorn = 1;
           }),
       DropCommand, true, "OK..odložil jsem ...",
       {"stop dychani", "play ok", "play ok", "play ok"}, [](TWorld& w) { w.SuitWorn = 0; }},
      {"the worn suit comes off even on a full floor", "odloz skafandr",
       All(Room, FloorFull,
           [](TWorld& w) {
             SetItem(w.Slot(1), "skafandr");
             w.SuitWorn = 1;
           }),
       DropCommand, true, "OK..odložil jsem ...",
       {"stop dychani", "play ok", "play ok", "play ok"}, [](TWorld& w) { w.SuitWorn = 0; }},
      {"the suit not worn goes on the floor", "odloz skafandr",
       All(Room, [](TWorld& w) { SetItem(w.Slot(1), "skafandr"); }), DropCommand, true, "OK..odložil jsem ...",
       {"stop dychani", "play ok", "play ok"},
       [](TWorld& w) {
         w.Current().Items[2] = w.Slot(1);
         w.Slot(1).Clear();
       }},
      {"a worn item whose AltName is skafandr is no suit", "odloz skafandr",
       All(Room,
           [](TWorld& w) {
             SetItem(w.Slot(1), "oblek", "skafandr");
             w.SuitWorn = 1;
           }),
       DropCommand, true, "OK..odložil jsem ...", Plays({Cue::ok, Cue::ok}),
       [](TWorld& w) {
         w.Current().Items[2] = w.Slot(1);
         w.Slot(1).Clear();
       }},
      {"odloz with its blank drops an empty slot: nothing changes hands", "odloz ", Room, DropCommand, true,
       "OK..odložil jsem ...", Plays({Cue::ok, Cue::ok}), nullptr},
      {"an item not carried", "odloz lano", Room, DropCommand, false, "odloz lano", {}, nullptr},
  };
  return cases;
}

class TransferTable : public ::testing::TestWithParam<TransferCase> {};

TEST_P(TransferTable, AnswerCueAndWorld) {
  const TransferCase& c = GetParam();
  CommandRig rig;
  c.setup(rig.w);
  TWorld expected = rig.w;
  if (c.change) c.change(expected);

  rig.Run(c.line, c.handler);

  EXPECT_EQ(rig.g.CommandHandled, c.handled);
  EXPECT_EQ(rig.LineUtf8(), c.answer);
  EXPECT_EQ(Sounds(rig), c.sounds);
  EXPECT_TRUE(SameWorld(expected, rig.w));
  // Whatever moved, the screen was rebuilt: whole text, then both panels.
  const std::vector<std::string> rebuilt = {"background", "inventory", "contents", "inventory", "contents"};
  bool moved = std::string(c.answer).rfind("OK..", 0) == 0;
  EXPECT_EQ(Panels(rig), moved ? rebuilt : std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(Items, TransferTable, ::testing::ValuesIn(Cases()),
                         [](const auto& info) { return CaseName(info.param.name); });

// Dropping in a room never searched marks it searched: the whole text comes
// without the contents panel, the explicit panel then draws it.
TEST(Drop, IntoAnUnsearchedRoomMarksItSearched) {
  CommandRig rig;
  SetItem(rig.w.Slot(1), "klic");
  rig.Run("odloz klic", DropCommand);
  EXPECT_EQ(Panels(rig), (std::vector<std::string>{"background", "inventory", "inventory", "contents"}));
  EXPECT_EQ(Narration(rig), "Mistnost 5");
  EXPECT_EQ(rig.Here().Searched, 1);
}

// Taking the key of a fixture from the floor opens the fixture at once:
// the rebuild draws the panel with the key in hand.
TEST(Take, TheKeyFromTheFloorOpensItsFixture) {
  CommandRig rig;
  Room(rig.w);
  SetItem(rig.Here().Items[3], "karta");
  rig.Run("vem karta", TakeFromFloorCommand);
  EXPECT_EQ(rig.Here().Fixtures[0].Opened, 1);
  rig.Run("vezmi pivo", TakeFromFixtureCommand);
  EXPECT_EQ(rig.LineUtf8(), "OK..vzal jsem...");
  EXPECT_TRUE(rig.w.Slot(2).Name == "pivo");
}

// With sound off nothing plays, but the breathing is still stopped.
TEST(Drop, SoundOffStillStopsTheBreathing) {
  CommandRig rig;
  rig.g.SoundOn = false;
  SetItem(rig.w.Slot(1), "skafandr");
  rig.w.SuitWorn = 1;
  rig.Run("odloz skafandr", DropCommand);
  EXPECT_EQ(Sounds(rig), (std::vector<std::string>{"stop dychani"}));
  EXPECT_EQ(rig.w.SuitWorn, 0);
  // Once more: now it goes on the floor, and putting the suit down stops
  // the breathing only while sound is on.
  rig.Run("odloz skafandr", DropCommand);
  EXPECT_TRUE(rig.sound.calls.empty());
  EXPECT_TRUE(rig.Here().Items[0].Name == "skafandr");
}

}  // namespace
}  // namespace raketa::test
