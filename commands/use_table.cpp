// The use table and how a row is carried out.  The rows of one item are
// tested top to bottom, so their order is the order in which the refusals
// are reported (in room 32 a missing gauge before a closed valve before a
// full tank).
#include "commands/use_table.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "commands/command_kit.h"
#include "commands/repair_question.h"
#include "world/data.h"
#include "world/game_roles.h"
#include "world/room_text_name.h"

namespace raketa {

namespace {

// Which places a row applies to.
constexpr unsigned kCarried = 1;
constexpr unsigned kFloor = 2;
constexpr unsigned kFixture = 4;
constexpr unsigned kInPlace = kFloor | kFixture;
constexpr unsigned kEveryForm = kCarried | kInPlace;

unsigned FormBit(UseForm form) {
  switch (form) {
    case UseForm::Carried: return kCarried;
    case UseForm::Floor: return kFloor;
    case UseForm::Fixture: return kFixture;
  }
  return 0;
}

// What becomes of the item: used up (slot emptied, screen rebuilt), kept
// (nothing redrawn), or left where it lies with the screen rebuilt.
enum class After { UsedUp, Kept, Rebuilt };

using Condition = bool (*)(const Game&);
using Effect = void (*)(Game&);

struct UseRow {
  std::vector<std::string> items;  // code page 1250; none = every item
  unsigned forms;
  Condition when;
  Effect effect;        // before the answer
  std::string answer;   // code page 1250
  std::optional<Cue> cue;  // after the rebuild; the meter rows play their own
  After after;
  Effect afterwards;    // after the rebuild and the cue
};

UseRow Row(std::vector<const char*> items, unsigned forms, Condition when, Effect effect, const char* answer,
           std::optional<Cue> cue, After after, Effect afterwards = nullptr) {
  UseRow row{{}, forms, when, effect, W(answer), cue, after, afterwards};
  for (const char* item : items) row.items.push_back(W(item));
  return row;
}

bool Always(const Game&) { return true; }
bool SuitOn(const Game& g) { return g.World.SuitWorn != 0; }
bool SuitOff(const Game& g) { return g.World.SuitWorn == 0; }
bool In(const Game& g, int room) { return g.World.CurrentRoom == room; }

bool CanPourFuel(const Game& g) {
  const TWorld& w = g.World;
  return In(g, kFillerRoom) && w.Fuel < 100 && w.GaugeReplaced != 0 && w.ValveClosed == 0;
}
bool FillerGaugeBroken(const Game& g) { return In(g, kFillerRoom) && g.World.GaugeReplaced == 0; }
bool FillerValveClosed(const Game& g) { return In(g, kFillerRoom) && g.World.ValveClosed != 0; }
bool TankFull(const Game& g) { return In(g, kFillerRoom) && g.World.Fuel >= 100; }
bool NotAtFiller(const Game& g) { return !In(g, kFillerRoom); }

bool CanExchangeCell(const Game& g) {
  const TWorld& w = g.World;
  return In(g, kCellRoom) && w.CellCharge < 100 && w.CablesRepaired != 0;
}
bool CablesStillBroken(const Game& g) { return In(g, kCellRoom) && g.World.CablesRepaired == 0; }
bool CellsFull(const Game& g) { return In(g, kCellRoom) && g.World.CellCharge >= 100; }
bool NotAtCells(const Game& g) { return !In(g, kCellRoom); }

bool CanTapeCables(const Game& g) { return In(g, kCableRoom) && SuitOn(g); }
bool AtCablesWithoutSuit(const Game& g) { return In(g, kCableRoom) && SuitOff(g); }

bool CanReplaceGauge(const Game& g) {
  return In(g, kLeakRoom) && g.World.ValveClosed != 0 && g.World.GaugeReplaced == 0;
}
bool GaugeValveOpen(const Game& g) { return In(g, kLeakRoom) && g.World.ValveClosed == 0; }
bool GaugeDone(const Game& g) { return In(g, kLeakRoom) && g.World.GaugeReplaced != 0; }

// --- effects ---
// A room's text once its repair is done ("texty\m32x.dat").
std::string RepairedText(int room, const std::string& ext) { return RoomTextName(room, "x", ext); }

void OxygenRefill(Game& g) { g.SuitOxygenRefill = true; }
void PutSuitOn(Game& g) { g.World.SuitWorn = 1; }
void Eat(Game& g) { g.NourishmentRefill = true; }
void Heal(Game& g) { g.HealthRefill = true; }

// The carried canister fills from the one text the game has for the full
// tank; the canister in place follows the phase.
void PourCarriedFuel(Game& g) { MeterStep(g, MeterId::Fuel, RepairedText(kFillerRoom, ".txt")); }
void PourFuelInPlace(Game& g) { MeterStep(g, MeterId::Fuel, RepairedText(kFillerRoom, PhaseExtension(g.TripPhase))); }
void ExchangeCell(Game& g) { MeterStep(g, MeterId::Cells, RepairedText(kCellRoom, PhaseExtension(g.TripPhase))); }
void ClampCells(Game& g) { g.CellChargeClamp = true; }

// The room's text changes at once to its repaired version.
void SwitchNarration(Game& g, const std::string& path) {
  CloseRoomText(g);
  OpenRoomText(g, path);
}
void TapeCables(Game& g) { SwitchNarration(g, RepairedText(kCableRoom, PhaseExtension(g.TripPhase))); }
void CablesDone(Game& g) { g.World.CablesRepaired = 1; }
void ReplaceCarriedGauge(Game& g) {
  g.World.GaugeReplaced = 1;
  SwitchNarration(g, RepairedText(kLeakRoom, PhaseExtension(g.TripPhase)));
}
// From a fixture the gauge goes in without a change of text; the repaired
// room is described on the next visit.
void ReplaceGaugeInPlace(Game& g) { g.World.GaugeReplaced = 1; }

const std::vector<UseRow>& Table() {
  static const std::vector<UseRow> kTable = {
      Row({items::kOxygen}, kEveryForm, SuitOn, OxygenRefill, "Ok doplnil jsi zásobu kyslíku...", std::nullopt,
          After::UsedUp),
      Row({items::kOxygen}, kEveryForm, SuitOff, nullptr, "Zatím nelze použít nemáš oblečený skafandr !!", Cue::chyba,
          After::Kept),
      Row({items::kSuit}, kCarried, Always, PutSuitOn, "Ok jsem oblečený...", Cue::dychani, After::Kept),
      Row({items::kSnack, items::kSausage, items::kBeer, items::kRoll}, kEveryForm, Always, Eat, "Mňam Mňam...",
          Cue::dopln, After::UsedUp),
      Row({items::kMineralWater}, kEveryForm, Always, Eat, "Mňam Mňam...to byla žižeň", Cue::dopln, After::UsedUp),
      Row({items::kPlaster, items::kBandage}, kEveryForm, Always, Heal, "to je balzám ...už to nekrvácí", Cue::dopln,
          After::UsedUp),
      // The medicine is spelt without the accent when carried or on the
      // floor, and with it in a fixture.
      Row({items::kPenicillin}, kCarried | kFloor, Always, Heal, "to je balzám ...už to nekrvácí", Cue::dopln,
          After::UsedUp),
      Row({items::kPenicillinInFixture}, kFixture, Always, Heal, "to je balzám ...už to nekrvácí", Cue::dopln,
          After::UsedUp),

      // Fuel and cells used in place stay there and can be used again.
      Row({items::kFuel}, kCarried, CanPourFuel, PourCarriedFuel, "Ok..doplnil jsem ", std::nullopt, After::UsedUp),
      Row({items::kFuel}, kInPlace, CanPourFuel, PourFuelInPlace, "Ok..doplnil jsem ", std::nullopt, After::Rebuilt),
      Row({items::kFuel}, kEveryForm, FillerGaugeBroken, nullptr, "Nemá to cenu nejprve oprav tlakoměr !!", Cue::chyba,
          After::Kept),
      Row({items::kFuel}, kEveryForm, FillerValveClosed, nullptr, "...Musíš pustit ventil !!", Cue::chyba, After::Kept),
      Row({items::kFuel}, kEveryForm, TankFull, nullptr, "Už není třeba... ", Cue::chyba, After::Kept),
      Row({items::kFuel}, kEveryForm, NotAtFiller, nullptr, "No a kde to mám nalít ty chytrý... ", Cue::chyba,
          After::Kept),

      Row({items::kCell}, kCarried, CanExchangeCell, ExchangeCell, "Ok..článek vyměněn ", std::nullopt, After::UsedUp,
          ClampCells),
      Row({items::kCell}, kInPlace, CanExchangeCell, ExchangeCell, "Ok..článek vyměněn ", std::nullopt, After::Rebuilt),
      Row({items::kCell}, kEveryForm, CablesStillBroken, nullptr, "Nejprve zaizoluj kabely ", Cue::chyba, After::Kept),
      Row({items::kCell}, kEveryForm, CellsFull, nullptr, "Už není třeba... ", Cue::chyba, After::Kept),
      Row({items::kCell}, kEveryForm, NotAtCells, nullptr, "Tu není co měnit... ", Cue::chyba, After::Kept),

      // Taping the cables sets the rocket sliding: the countdown starts once
      // the screen is rebuilt and the cue has played.
      Row({items::kTape}, kCarried, CanTapeCables, TapeCables, "Kable jsou opraveny mužeš měnit članky.", Cue::dopln,
          After::UsedUp, CablesDone),
      Row({items::kTape}, kFixture, CanTapeCables, TapeCables, "Kabely jsou opraveny mužeš měnit članky.", Cue::dopln,
          After::UsedUp, CablesDone),
      Row({items::kTape}, kCarried | kFixture, AtCablesWithoutSuit, nullptr, "Nemáš skafandr nestihneš to ", Cue::chyba,
          After::Kept),

      Row({items::kGauge}, kCarried, CanReplaceGauge, ReplaceCarriedGauge,
          "Ok..tlakoměr vyměněn můžeš dolít palivo... ", Cue::dopln, After::UsedUp),
      Row({items::kGauge}, kFixture, CanReplaceGauge, ReplaceGaugeInPlace, "Ok..tlakoměr vyměněn ", Cue::dopln,
          After::UsedUp),
      Row({items::kGauge}, kCarried | kFixture, GaugeValveOpen, nullptr, "Nemáš zavřený ventil !!", Cue::chyba,
          After::Kept),
      Row({items::kGauge}, kCarried | kFixture, GaugeDone, nullptr, "Už jsi to opravil ", Cue::chyba, After::Kept),

      // Everything else, and every known item in the wrong place.
      Row({}, kCarried, Always, nullptr, "No... vzal jsem ale nevím co s tím...", Cue::chyba, After::Kept),
      Row({}, kInPlace, Always, nullptr, "No tento předmět si musíš vzít..", Cue::chyba, After::Kept),
  };
  return kTable;
}

bool RowFits(const UseRow& row, const Game& g, const TItem& item, unsigned form) {
  if ((row.forms & form) == 0) return false;
  if (!row.items.empty()) {
    bool named = false;
    for (const std::string& name : row.items) named = named || item.Name == name;
    if (!named) return false;
  }
  return row.when(g);
}

}  // namespace

const std::vector<std::string>& UseTableItems() {
  static const std::vector<std::string> kItems = [] {
    std::vector<std::string> names;
    for (const UseRow& row : Table()) {
      for (const std::string& name : row.items) {
        if (std::find(names.begin(), names.end(), name) == names.end()) names.push_back(name);
      }
    }
    return names;
  }();
  return kItems;
}

bool LineUses(const Game& g, const TItem& item) {
  static const std::string kUse = W("použij ");
  static const std::string kUsePlain = "pouzij ";
  return LineIs(g, kUse, item.Name) || LineIs(g, kUse, item.AltName) || LineIs(g, kUsePlain, item.Name) ||
         LineIs(g, kUsePlain, item.AltName);
}

void ApplyUseTable(Game& g, TItem& slot, UseForm form) {
  const unsigned bit = FormBit(form);
  // The tape where it can be used (carried or in a fixture) asks first when
  // the rocket is not ready.
  if ((bit & (kCarried | kFixture)) != 0 && AskedBeforeRepair(g, slot)) return;
  for (const UseRow& row : Table()) {
    if (!RowFits(row, g, slot, bit)) continue;
    // A repaired room's text that cannot be opened stops only the text.
    WholeStep(
        [&] {
          if (row.effect != nullptr) row.effect(g);
        },
        [&] {
          g.Answer(row.answer);
          if (row.after == After::UsedUp) slot.Clear();
          if (row.after != After::Kept) RebuildScreen(g);
          if (row.cue) g.Cue(*row.cue);
          if (row.afterwards != nullptr) row.afterwards(g);
        });
    return;
  }
}

}  // namespace raketa
