// The use table in its three forms: an item carried, lying on the floor, or
// held by an open fixture.  Each row says where it applies, and what answer,
// cues, effect and fate of the item follow.
#include <functional>
#include <set>

#include "commands_test_kit.h"
#include "commands/use_table.h"
#include "world/game_roles.h"

namespace raketa::test {
namespace {

enum Form : unsigned { C = 1, F = 2, X = 4 };  // carried, floor, fixture
enum class Fate { UsedUp, Kept, Stays };       // Stays: left in place, screen rebuilt

struct Requests {
  bool health = false, nourishment = false, oxygen = false, cellClamp = false;
  bool operator==(const Requests&) const = default;
};
std::ostream& operator<<(std::ostream& os, const Requests& r) {
  return os << "{health " << r.health << ", nourishment " << r.nourishment << ", oxygen " << r.oxygen
            << ", cell clamp " << r.cellClamp << "}";
}
constexpr Requests kNone{};
constexpr Requests kEat{false, true, false, false};
constexpr Requests kHeal{true, false, false, false};
constexpr Requests kOxygen{false, false, true, false};
constexpr Requests kClamp{false, false, false, true};

struct UseCase {
  const char* name;
  const char* item;
  unsigned forms;
  int room;
  std::function<void(TWorld&)> setup;  // flags and meters before
  const char* answer;
  std::vector<Cue> cues;               // with sound on
  Fate fate;
  std::function<void(TWorld&)> change;  // the effect on the world, besides the item
  Requests requests;
  const char* textAfter;               // the room text open afterwards; null: unchanged
};

using Setup = std::function<void(TWorld&)>;
const Setup kNothing = nullptr;

Setup Filler(bool gauge, bool valveClosed, float fuel) {
  return [=](TWorld& w) {
    w.GaugeReplaced = gauge;
    w.ValveClosed = valveClosed;
    w.Fuel = fuel;
  };
}
Setup Cells(bool cables, float charge) {
  return [=](TWorld& w) {
    w.CablesRepaired = cables;
    w.CellCharge = charge;
  };
}
Setup Suit(bool worn) {
  return [=](TWorld& w) { w.SuitWorn = worn; };
}
Setup Gauge(bool valveClosed, bool replaced) {
  return [=](TWorld& w) {
    w.ValveClosed = valveClosed;
    w.GaugeReplaced = replaced;
  };
}
Setup SetFuel(float v) {
  return [=](TWorld& w) { w.Fuel = v; };
}
Setup SetCells(float v) {
  return [=](TWorld& w) { w.CellCharge = v; };
}

const char* const kCarriedFallback = "No... vzal jsem ale nevím co s tím...";
const char* const kInPlaceFallback = "No tento předmět si musíš vzít..";
const std::vector<Cue> kChyba = {Cue::chyba};
// The rebuild of a searched room: the whole text draws the contents panel,
// then the panel is drawn once more.
const std::vector<Cue> kRebuild = {Cue::ok, Cue::ok};
const std::vector<Cue> kRebuildThenDopln = {Cue::ok, Cue::ok, Cue::dopln};
const std::vector<Cue> kFullThenRebuild = {Cue::dopln, Cue::ok, Cue::ok};

const std::vector<UseCase>& Cases() {
  static const std::vector<UseCase> cases = {
      {"oxygen with the suit on", "kyslík", C | F | X, 5, Suit(true), "Ok doplnil jsi zásobu kyslíku...", kRebuild,
       Fate::UsedUp, nullptr, kOxygen, nullptr},
      {"oxygen without the suit", "kyslík", C | F | X, 5, Suit(false), "Zatím nelze použít nemáš oblečený skafandr !!",
       kChyba, Fate::Kept, nullptr, kNone, nullptr},

      {"the suit put on", "skafandr", C, 5, Suit(false), "Ok jsem oblečený...", {Cue::dychani}, Fate::Kept,
       [](TWorld& w) { w.SuitWorn = 1; }, kNone, nullptr},
      {"the suit put on again", "skafandr", C, 5, Suit(true), "Ok jsem oblečený...", {Cue::dychani}, Fate::Kept,
       nullptr, kNone, nullptr},
      {"the suit cannot be worn where it lies", "skafandr", F | X, 5, Suit(false), kInPlaceFallback, kChyba,
       Fate::Kept, nullptr, kNone, nullptr},

      {"tatranka", "tatranka", C | F | X, 5, kNothing, "Mňam Mňam...", kRebuildThenDopln, Fate::UsedUp, nullptr, kEat,
       nullptr},
      {"spekacek", "špekáček", C | F | X, 5, kNothing, "Mňam Mňam...", kRebuildThenDopln, Fate::UsedUp, nullptr, kEat,
       nullptr},
      {"pivo", "pivo", C | F | X, 5, kNothing, "Mňam Mňam...", kRebuildThenDopln, Fate::UsedUp, nullptr, kEat,
       nullptr},
      {"houska", "houska", C | F | X, 5, kNothing, "Mňam Mňam...", kRebuildThenDopln, Fate::UsedUp, nullptr, kEat,
       nullptr},
      {"mineralka", "minerálka", C | F | X, 5, kNothing, "Mňam Mňam...to byla žižeň", kRebuildThenDopln,
       Fate::UsedUp, nullptr, kEat, nullptr},
      {"naplast", "náplast", C | F | X, 5, kNothing, "to je balzám ...už to nekrvácí", kRebuildThenDopln,
       Fate::UsedUp, nullptr, kHeal, nullptr},
      {"obvaz", "obvaz", C | F | X, 5, kNothing, "to je balzám ...už to nekrvácí", kRebuildThenDopln, Fate::UsedUp,
       nullptr, kHeal, nullptr},
      {"penicilin carried or on the floor", "penicilin", C | F, 5, kNothing, "to je balzám ...už to nekrvácí",
       kRebuildThenDopln, Fate::UsedUp, nullptr, kHeal, nullptr},
      {"penicilin in a fixture", "penicilin", X, 5, kNothing, kInPlaceFallback, kChyba, Fate::Kept, nullptr, kNone,
       nullptr},
      {"penicilin with the accent in a fixture", "penicilín", X, 5, kNothing, "to je balzám ...už to nekrvácí",
       kRebuildThenDopln, Fate::UsedUp, nullptr, kHeal, nullptr},
      {"penicilin with the accent carried", "penicilín", C, 5, kNothing, kCarriedFallback, kChyba, Fate::Kept, nullptr,
       kNone, nullptr},
      {"penicilin with the accent on the floor", "penicilín", F, 5, kNothing, kInPlaceFallback, kChyba, Fate::Kept,
       nullptr, kNone, nullptr},
      {"full meters still use food up", "pivo", C, 5,
       [](TWorld& w) {
         w.Nourishment = 100;
         w.Health = 100;
       },
       "Mňam Mňam...", kRebuildThenDopln, Fate::UsedUp, nullptr, kEat, nullptr},

      {"fuel from 75 fills the tank", "palivo", C, 32, Filler(true, false, 75), "Ok..doplnil jsem ", kFullThenRebuild,
       Fate::UsedUp, SetFuel(100), kNone, "texty\\m32x.txt"},
      {"fuel in place from 75 fills the tank and stays", "palivo", F | X, 32, Filler(true, false, 75),
       "Ok..doplnil jsem ", kFullThenRebuild, Fate::Stays, SetFuel(100), kNone, "texty\\m32x.dat"},
      {"fuel from 60 reaches 85", "palivo", C, 32, Filler(true, false, 60), "Ok..doplnil jsem ", kRebuild,
       Fate::UsedUp, SetFuel(85), kNone, nullptr},
      {"fuel in place from 60 reaches 85", "palivo", F | X, 32, Filler(true, false, 60), "Ok..doplnil jsem ",
       kRebuild, Fate::Stays, SetFuel(85), kNone, nullptr},
      {"fuel before the gauge", "palivo", C | F | X, 32, Filler(false, false, 100),
       "Nemá to cenu nejprve oprav tlakoměr !!", kChyba, Fate::Kept, nullptr, kNone, nullptr},
      {"a missing gauge is told before a closed valve", "palivo", C | F | X, 32, Filler(false, true, 50),
       "Nemá to cenu nejprve oprav tlakoměr !!", kChyba, Fate::Kept, nullptr, kNone, nullptr},
      {"fuel with the valve closed", "palivo", C | F | X, 32, Filler(true, true, 50), "...Musíš pustit ventil !!",
       kChyba, Fate::Kept, nullptr, kNone, nullptr},
      {"a closed valve is told before a full tank", "palivo", C | F | X, 32, Filler(true, true, 100),
       "...Musíš pustit ventil !!", kChyba, Fate::Kept, nullptr, kNone, nullptr},
      {"fuel into a full tank", "palivo", C | F | X, 32, Filler(true, false, 100), "Už není třeba... ", kChyba,
       Fate::Kept, nullptr, kNone, nullptr},
      {"fuel anywhere else", "palivo", C | F | X, 5, Filler(true, false, 50), "No a kde to mám nalít ty chytrý... ",
       kChyba, Fate::Kept, nullptr, kNone, nullptr},

      {"a cell from 75 fills the charge", "článek", C, 28, Cells(true, 75), "Ok..článek vyměněn ", kFullThenRebuild,
       Fate::UsedUp, SetCells(100), kClamp, "texty\\m28x.dat"},
      {"a cell in place from 75 fills the charge and stays", "článek", F | X, 28, Cells(true, 75),
       "Ok..článek vyměněn ", kFullThenRebuild, Fate::Stays, SetCells(100), kNone, "texty\\m28x.dat"},
      {"a cell from 60 reaches 85", "článek", C, 28, Cells(true, 60), "Ok..článek vyměněn ", kRebuild, Fate::UsedUp,
       SetCells(85), kClamp, nullptr},
      {"a cell in place from 60 reaches 85", "článek", F | X, 28, Cells(true, 60), "Ok..článek vyměněn ", kRebuild,
       Fate::Stays, SetCells(85), kNone, nullptr},
      {"a cell before the cables", "článek", C | F | X, 28, Cells(false, 50), "Nejprve zaizoluj kabely ", kChyba,
       Fate::Kept, nullptr, kNone, nullptr},
      {"the cables are told before a full charge", "článek", C | F | X, 28, Cells(false, 100),
       "Nejprve zaizoluj kabely ", kChyba, Fate::Kept, nullptr, kNone, nullptr},
      {"a cell into a full charge", "článek", C | F | X, 28, Cells(true, 100), "Už není třeba... ", kChyba,
       Fate::Kept, nullptr, kNone, nullptr},
      {"a cell anywhere else", "článek", C | F | X, 5, Cells(true, 50), "Tu není co měnit... ", kChyba, Fate::Kept,
       nullptr, kNone, nullptr},

      {"tape on the cables", "izolačka", C, 33, Suit(true), "Kable jsou opraveny mužeš měnit članky.",
       kRebuildThenDopln, Fate::UsedUp, [](TWorld& w) { w.CablesRepaired = 1; }, kNone, "texty\\m33x.dat"},
      {"tape from a fixture on the cables", "izolačka", X, 33, Suit(true), "Kabely jsou opraveny mužeš měnit članky.",
       kRebuildThenDopln, Fate::UsedUp, [](TWorld& w) { w.CablesRepaired = 1; }, kNone, "texty\\m33x.dat"},
      {"tape on the floor must be taken", "izolačka", F, 33, Suit(true), kInPlaceFallback, kChyba, Fate::Kept, nullptr,
       kNone, nullptr},
      {"tape without the suit", "izolačka", C | X, 33, Suit(false), "Nemáš skafandr nestihneš to ", kChyba,
       Fate::Kept, nullptr, kNone, nullptr},
      {"tape elsewhere, carried", "izolačka", C, 5, Suit(true), kCarriedFallback, kChyba, Fate::Kept, nullptr, kNone,
       nullptr},
      {"tape elsewhere, in a fixture", "izolačka", X, 5, Suit(true), kInPlaceFallback, kChyba, Fate::Kept, nullptr,
       kNone, nullptr},

      {"the gauge replaced", "tlakoměr", C, 7, Gauge(true, false), "Ok..tlakoměr vyměněn můžeš dolít palivo... ",
       kRebuildThenDopln, Fate::UsedUp, [](TWorld& w) { w.GaugeReplaced = 1; }, kNone, "texty\\m7x.dat"},
      {"the gauge from a fixture replaced, same text", "tlakoměr", X, 7, Gauge(true, false), "Ok..tlakoměr vyměněn ",
       kRebuildThenDopln, Fate::UsedUp, [](TWorld& w) { w.GaugeReplaced = 1; }, kNone, nullptr},
      {"the gauge on the floor must be taken", "tlakoměr", F, 7, Gauge(true, false), kInPlaceFallback, kChyba,
       Fate::Kept, nullptr, kNone, nullptr},
      {"the gauge with the valve open", "tlakoměr", C | X, 7, Gauge(false, false), "Nemáš zavřený ventil !!", kChyba,
       Fate::Kept, nullptr, kNone, nullptr},
      {"an open valve is told before a replaced gauge", "tlakoměr", C | X, 7, Gauge(false, true),
       "Nemáš zavřený ventil !!", kChyba, Fate::Kept, nullptr, kNone, nullptr},
      {"the gauge once more", "tlakoměr", C | X, 7, Gauge(true, true), "Už jsi to opravil ", kChyba, Fate::Kept,
       nullptr, kNone, nullptr},
      {"the gauge elsewhere, carried", "tlakoměr", C, 5, Gauge(true, false), kCarriedFallback, kChyba, Fate::Kept,
       nullptr, kNone, nullptr},
      {"the gauge elsewhere, in a fixture", "tlakoměr", X, 5, Gauge(true, false), kInPlaceFallback, kChyba,
       Fate::Kept, nullptr, kNone, nullptr},

      {"an unknown item carried", "lano", C, 5, kNothing, kCarriedFallback, kChyba, Fate::Kept, nullptr, kNone,
       nullptr},
      {"an unknown item in place", "lano", F | X, 5, kNothing, kInPlaceFallback, kChyba, Fate::Kept, nullptr, kNone,
       nullptr},
      {"names are compared with their accents", "kyslik", C, 5, Suit(true), kCarriedFallback, kChyba, Fate::Kept,
       nullptr, kNone, nullptr},
  };
  return cases;
}

struct UseRun {
  const UseCase* c;
  Form form;
  bool soundOn;
};

void PrintTo(const UseRun& r, std::ostream* os) { *os << r.c->name << " form " << r.form << " sound " << r.soundOn; }

std::vector<UseRun> Runs() {
  std::vector<UseRun> runs;
  for (const UseCase& c : Cases()) {
    for (Form f : {C, F, X}) {
      if ((c.forms & f) == 0) continue;
      for (bool sound : {true, false}) runs.push_back({&c, f, sound});
    }
  }
  return runs;
}

// A searched room whose fixtures open with a key nobody carries; fixture 1
// is open.  Returns the slot that holds the item in the given form.
TItem& Place(CommandRig& rig, Form form, const std::string& item) {
  TRoom& room = rig.Here();
  room.Searched = 1;
  for (TFixture& f : room.Fixtures) SetName(f.KeyName, "nic");
  SetName(room.Fixtures[0].Name, "skrin");
  room.Fixtures[0].Opened = 1;
  TItem& slot = form == C ? rig.w.Slot(1) : form == F ? room.Items[0] : room.Fixtures[0].Items[0];
  SetItem(slot, item, "vec");
  return slot;
}

void Handle(Game& g, Form form) {
  if (form == C) ValveAndUseCommand(g);
  if (form == F) UseFromFloorCommand(g);
  if (form == X) UseFromFixtureCommand(g, 1);
}

std::string TextOf(const std::string& gamePath) {
  std::string bytes = ReadFile(HostPath(gamePath));
  while (!bytes.empty() && (bytes.back() == '\n' || bytes.back() == '\r')) bytes.pop_back();
  return Cp1250ToUtf8(bytes);
}

class UseTable : public ::testing::TestWithParam<UseRun> {};

TEST_P(UseTable, AnswerCuesEffectAndItem) {
  const UseCase& c = *GetParam().c;
  const Form form = GetParam().form;
  CommandRig rig(c.room);
  rig.g.SoundOn = GetParam().soundOn;
  TItem& slot = Place(rig, form, c.item);
  if (c.setup) c.setup(rig.w);
  const std::string roomText = rig.g.RoomTextFile.Path();

  TWorld expected = rig.w;
  if (c.change) c.change(expected);
  if (c.fate == Fate::UsedUp) {
    // Where the item lay, in the expected copy.
    TItem* base = reinterpret_cast<TItem*>(reinterpret_cast<char*>(&expected) +
                                           (reinterpret_cast<char*>(&slot) - reinterpret_cast<char*>(&rig.w)));
    base->Clear();
  }

  rig.Run(std::string("použij ") + c.item, [&](Game& g) { Handle(g, form); });

  EXPECT_TRUE(rig.g.CommandHandled);
  EXPECT_EQ(rig.LineUtf8(), c.answer);
  std::vector<std::string> sounds;
  if (GetParam().soundOn) {
    for (Cue cue : c.cues) sounds.push_back(std::string("play ") + CueName(cue));
  }
  EXPECT_EQ(Sounds(rig), sounds);
  EXPECT_TRUE(SameWorld(expected, rig.w));
  Requests got{rig.g.HealthRefill, rig.g.NourishmentRefill, rig.g.SuitOxygenRefill, rig.g.CellChargeClamp};
  EXPECT_EQ(got, c.requests);

  const std::string text = c.textAfter ? c.textAfter : roomText;
  EXPECT_EQ(rig.g.RoomTextFile.Path(), text);
  if (c.fate == Fate::Kept) {
    EXPECT_TRUE(Panels(rig).empty());
  } else {
    EXPECT_EQ(Panels(rig),
              (std::vector<std::string>{"background", "inventory", "contents", "inventory", "contents"}));
    // The text on screen is the one now open, shown at once.
    EXPECT_EQ(Narration(rig), TextOf(text));
  }
}

INSTANTIATE_TEST_SUITE_P(Use, UseTable, ::testing::ValuesIn(Runs()), [](const auto& info) {
  const UseRun& r = info.param;
  const char* form = r.form == C ? "carried" : r.form == F ? "floor" : "fixture";
  return CaseName(std::string(r.c->name) + "_" + form + (r.soundOn ? "" : "_silent"));
});

// The names the world tool holds a world to (UseTableItems, read from the
// rows) are names the use command acts on: each gets an answer of its own
// somewhere (in one of the rooms with a role, in some form, suit on), where
// a stranger only ever gets the shrug.
TEST(UseTableNames, EveryListedNameIsOneTheUseCommandKnows) {
  std::vector<std::string> names;
  for (const std::string& name : UseTableItems()) names.push_back(Cp1250ToUtf8(name));
  names.push_back("lano");
  std::set<std::string> known;
  for (int room : {5, kLeakRoom, kCellRoom, kFillerRoom, kCableRoom}) {
    CommandRig rig(room);
    const TWorld start = rig.w;
    for (const std::string& name : names) {
      for (Form form : {C, F, X}) {
        rig.w = start;
        Place(rig, form, name);
        rig.w.SuitWorn = 1;
        rig.Run("použij " + name, [&](Game& g) { Handle(g, form); });
        const std::string answer = rig.LineUtf8();
        if (answer != kCarriedFallback && answer != kInPlaceFallback) known.insert(name);
      }
    }
  }
  for (const std::string& name : names) EXPECT_EQ(known.count(name), name == "lano" ? 0u : 1u) << name;
}

}  // namespace
}  // namespace raketa::test
