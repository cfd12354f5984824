// Moving one item between the player's four slots and the current room.
// A move copies the whole 62-byte slot and empties the source.
#include "world/data.h"
#include "world/game_roles.h"

namespace raketa {

namespace {
TItem* FirstEmpty(TItem* slots, int count) {
  for (int i = 0; i < count; ++i) {
    if (slots[i].Empty()) return &slots[i];
  }
  return nullptr;
}

bool MoveInto(TItem* destination, TItem& source) {
  if (destination == nullptr) return false;
  *destination = source;
  source.Clear();
  return true;
}
}  // namespace

bool DropItem(Game& g, int k) {
  TItem* slot = FirstEmpty(g.World.Current().Items, kRoomItemSlots);
  if (slot == nullptr) return false;
  TItem& carried = g.World.Slot(k);
  *slot = carried;
  // Putting the suit down takes it off, worn or not.
  if (carried.Name == W(items::kSuit)) {
    g.World.SuitWorn = 0;
    if (g.SoundOn) g.services.sound.Stop(Cue::dychani);
  }
  carried.Clear();
  return true;
}

bool TakeItemFromRoom(Game& g, int i) {
  return MoveInto(FirstEmpty(g.World.Inventory, kInventorySlots), g.World.Current().Items[i - 1]);
}

bool TakeItemFromFixture(Game& g, int f, int j) {
  return MoveInto(FirstEmpty(g.World.Inventory, kInventorySlots), g.World.Current().Fixtures[f - 1].Items[j - 1]);
}

}  // namespace raketa
