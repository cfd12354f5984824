#include "support/repair_world.h"

#include <cstdint>

#include "support/rig.h"
#include "support/tiny_world.h"

namespace raketa::test {
namespace {

void Door(TWorld& w, int room, Direction d, int target) {
  w.Room(room).Exits[d].Target = static_cast<std::uint8_t>(target);
  w.Room(room).Exits[d].Opened = 1;
}

}  // namespace

TWorld RepairWorld() {
  TWorld w = BareWorld();
  w.Fuel = 75;
  Door(w, 1, North, 27);
  Door(w, 1, East, 7);
  Door(w, 1, South, 32);
  Door(w, 1, West, 28);
  Door(w, 27, South, 1);
  Door(w, 7, West, 1);
  Door(w, 32, North, 33);
  Door(w, 32, East, 1);
  Door(w, 33, South, 32);
  Door(w, 28, East, 1);
  w.Room(33).Outside = 1;
  SetItem(w.Slot(1), "tlakoměr");
  SetItem(w.Slot(2), "palivo");
  SetItem(w.Slot(3), "skafandr");
  SetItem(w.Slot(4), "izolačka");
  SetItem(w.Room(28).Items[0], "článek");
  return w;
}

}  // namespace raketa::test
