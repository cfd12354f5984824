#include "world/world_news.h"

#include <cctype>
#include <cmath>

#include "services/cp1250.h"
#include "services/meters.h"
#include "world/room_rules.h"
#include "world/spoken_form.h"
#include "world/world_record.h"

namespace raketa {

namespace {

// A meter that the panel now shows at a multiple of ten, having shown
// more before: the step to tell.
bool ReachedTen(float before, float after) {
  const double shown = MeterWhole(after);
  return shown > 0 && std::fmod(shown, 10.0) == 0 && shown < MeterWhole(before);
}

std::string Said(const std::string& utf8) { return W(utf8); }

}  // namespace

WorldGlance Glance(const TWorld& w) { return Glance(w, w.CurrentRoom); }

WorldGlance Glance(const TWorld& w, int roomNumber) {
  WorldGlance g;
  g.valid = true;
  g.room = roomNumber;
  const TRoom& room = w.Room(roomNumber);
  for (int i = 0; i < 4; ++i) g.doorKeys[i] = room.Exits[i].KeyName.str();
  for (int i = 0; i < 3; ++i) {
    g.fixtureKeys[i] = room.Fixtures[i].KeyName.str();
    g.fixtureNames[i] = room.Fixtures[i].Name.str();
  }
  g.cells = w.CellCharge;
  g.fuel = w.Fuel;
  g.oxygen = w.SuitOxygen;
  g.leaking = !w.ValveClosed && !w.GaugeReplaced;
  g.suit = w.SuitWorn != 0;
  g.harmful = !g.suit && HarmsWithoutSuit(w, roomNumber);
  g.cablesRepaired = w.CablesRepaired != 0;
  return g;
}

void WorldNews(const WorldGlance& before, const TWorld& w, bool arrived, std::vector<std::string>& told,
               std::vector<std::string>& warnings) {
  if (!before.valid) return;
  const WorldGlance after = Glance(w);
  // The locks of the room the player stood in, wherever the player is now.
  const WorldGlance stood = Glance(w, before.room);
  // Locks opened in the room the player stood in; their key is gone.  A
  // door that lets the player through at once is heard as the new room's
  // name, then this.
  const std::string lockKept = " zůstává v zámku.";
  {
    for (int i = 0; i < 4; ++i) {
      if (!before.doorKeys[i].empty() && stood.doorKeys[i].empty()) {
        told.push_back(W("Dveře jsou odemčené, ") + before.doorKeys[i] + W(lockKept));
      }
    }
    for (int i = 0; i < 3; ++i) {
      if (!before.fixtureKeys[i].empty() && stood.fixtureKeys[i].empty()) {
        std::string name = before.fixtureNames[i];
        if (!name.empty()) name[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
        told.push_back(name + W(" je odemčený, ") + before.fixtureKeys[i] + W(lockKept));
      }
    }
  }
  // A cell exchanged: its charge, as the panel will show it.
  if (after.cells > before.cells + 1.0f) {
    const float shown = after.cells > 100.0f ? 100.0f : after.cells;
    told.push_back(Said("Články mají " + MeterPercent(shown) + "."));
  } else if (!after.cablesRepaired && after.cells < before.cells) {
    if (before.cells > 0.0f && after.cells <= 0.0f) {
      told.push_back(Said("Články jsou vybité."));
    } else if (ReachedTen(before.cells, after.cells)) {
      told.push_back(Said("Články se vybíjejí, mají " + MeterPercent(after.cells) + "."));
    }
  }
  if (before.leaking && after.leaking && ReachedTen(before.fuel, after.fuel)) {
    told.push_back(Said("Palivo uniká, zbývá ho " + MeterPercent(after.fuel) + "."));
  }
  if (after.harmful && (!before.harmful || arrived)) {
    warnings.push_back(Said(Fumes(after.room)
                                ? "Pozor, dusíš se ve výparech paliva! Bez skafandru tu dlouho nevydržíš."
                                : "Pozor, venku je vakuum a nemáš skafandr! Dusíš se."));
  }
  if (after.suit && before.suit && before.oxygen >= 20.0f && after.oxygen < 20.0f) {
    warnings.push_back(Said("Kyslík ve skafandru dochází, zbývá méně než 20 procent."));
  }
}

}  // namespace raketa
