// The parts of the check that follow the player from room 1: can every door
// and fixture be opened, is every key found before its lock, can the suit be
// had before the fumes and the vacuum, and do the repairs and fills go
// through to the end.
#include <cstdio>
#include <set>

#include "encoding.h"
#include "game_rules.h"
#include "reachability.h"
#include "services/cp1250.h"
#include "world_check.h"

namespace raketa::worldtool {

namespace {

const char* const kDirectionWords[4] = {"north", "east", "south", "west"};

std::string Show(std::string_view cp1250) { return "'" + DecodeCp1250(cp1250) + "'"; }

bool ExistsAnywhere(const Reach& reach, const std::string& name) {
  for (const ItemPlace& p : reach.items) {
    if (p.name == name) return true;
  }
  return false;
}

// The Name of an item whose AltName is `key` (and whose Name is not), or
// nothing: locks compare the Name, so "kartu" opens nothing.
std::string NameBehindAltName(const TWorld& w, std::string_view key) {
  auto match = [&](const TItem& i) { return !i.Empty() && i.AltName.view() == key && i.Name.view() != key; };
  for (const TItem& i : w.Inventory) {
    if (match(i)) return i.Name.str();
  }
  for (const TRoom& r : w.Rooms) {
    for (const TItem& i : r.Items) {
      if (match(i)) return i.Name.str();
    }
    for (const TFixture& f : r.Fixtures) {
      for (const TItem& i : f.Items) {
        if (match(i)) return i.Name.str();
      }
    }
  }
  return {};
}

std::string WhyLocked(const TWorld& w, const Reach& reach, std::string_view key) {
  if (key.empty()) return "it names no key and nothing ever opens it";
  if (!ExistsAnywhere(reach, std::string(key))) {
    std::string name = NameBehindAltName(w, key);
    if (!name.empty()) return Show(key) + " is the AltName of " + Show(name) + "; locks compare the Name";
    return "no item " + Show(key) + " exists";
  }
  return "no " + Show(key) + " can be had without passing it (or every one is used up on another door)";
}

void CheckLocks(const WorldSource& src, const Reach& reach, Diagnostics& d) {
  for (int r = 1; r <= kRoomCount; ++r) {
    if (!reach.room[r]) continue;
    const TRoom& room = src.world.Room(r);
    for (int dir = 0; dir < 4; ++dir) {
      const TExit& e = room.Exits[dir];
      if (e.Target < 1 || e.Target > kRoomCount || reach.doorOpen[r][dir]) continue;
      d.Error(src.RoomLabel(r) + ": the door " + kDirectionWords[dir] + " to room " + std::to_string(e.Target) +
              " stays locked: " + WhyLocked(src.world, reach, e.KeyName.view()));
    }
    for (int f = 0; f < kFixtures; ++f) {
      const TFixture& fx = room.Fixtures[f];
      if (reach.fixtureOpen[r][f]) continue;
      d.Error(src.RoomLabel(r) + ": fixture " + Show(fx.Name.view()) + " stays locked: " +
                 WhyLocked(src.world, reach, fx.KeyName.view()));
    }
  }
}

void CheckRoleRooms(const WorldSource& src, const Reach& reach, Diagnostics& d) {
  const struct {
    int room;
    const char* what;
  } roles[] = {{rules::kValveRoom, "the fuel valve"},
               {rules::kLeakRoom, "the gauge to replace"},
               {rules::kFillerRoom, "the fuel filler"},
               {rules::kCableRoom, "the cables to insulate"},
               {rules::kCellRoom, "the cells to exchange"}};
  for (const auto& role : roles) {
    if (reach.room[role.room]) continue;
    std::string why = rules::HarmsWithoutSuit(src.world, role.room) && !reach.suit ? " (no skafandr for its harm)" : "";
    d.Error(src.RoomLabel(role.room) + " with " + role.what + " cannot be reached" + why);
  }
  if (!reach.suit) d.Error("no " + Show(rules::Suit()) + " can be had: the fumes of room 7 and the vacuum outside kill");
  for (const std::string& needed : {rules::Gauge(), rules::Tape()}) {
    if (reach.Obtainable(needed) == 0) d.Error("no " + Show(needed) + " can be had; the repairs need it");
  }
}

// A fill: the items carried there are used up, one lying in the room itself
// (on the floor or in a fixture that opens) can be used again and again.  A
// meter that drains from the start (fuel through the open valve, cells
// through the cut cables) is taken as drained to nothing, since the player
// cannot be expected to stop it in time; the game must stay winnable however
// slow they are.
void CheckFill(const WorldSource& src, const Reach& reach, const std::string& item, int room, float start,
               bool drains, const char* meter, Diagnostics& d) {
  int carried = 0;
  bool inPlace = false;
  for (const ItemPlace& p : reach.items) {
    if (!p.obtainable || p.name != item) continue;
    if (p.room == room) inPlace = true;
    ++carried;
  }
  float from = drains ? 0.0f : start;
  if (rules::UsesToFill(from, inPlace ? -1 : carried) >= 0) return;
  char buf[320];
  std::snprintf(buf, sizeof buf,
                "%s cannot be filled: from %g%s, the %d %s to be had and carried to %s add only %d "
                "(a use adds 25, above 90 gives 100)",
                meter, static_cast<double>(from), drains ? " (it drains from the start)" : "", carried,
                Show(item).c_str(), src.RoomLabel(room).c_str(), 25 * carried);
  d.Error(buf);
}

void CheckUnreachableItems(const WorldSource& src, const Reach& reach, Diagnostics& d) {
  std::set<std::string> seen;
  for (const ItemPlace& p : reach.items) {
    seen.insert(p.name);
    if (!p.obtainable) d.Warning(src.RoomLabel(p.room) + ": " + Show(p.name) + " can never be had");
  }
  for (const std::string& name : rules::UseTableNames()) {
    if (!seen.count(name)) d.Warning("the use table knows " + Show(name) + " but the world holds none");
  }
}

}  // namespace

RoomSet CheckStory(const WorldSource& src, Diagnostics& d) {
  Reach reach = Explore(src.world);
  CheckLocks(src, reach, d);
  CheckRoleRooms(src, reach, d);
  const TWorld& w = src.world;
  CheckFill(src, reach, rules::Fuel(), rules::kFillerRoom, w.Fuel, !w.ValveClosed && !w.GaugeReplaced, "Fuel", d);
  CheckFill(src, reach, rules::Cell(), rules::kCellRoom, w.CellCharge, !w.CablesRepaired, "CellCharge", d);
  CheckUnreachableItems(src, reach, d);
  return reach.room;
}

}  // namespace raketa::worldtool
