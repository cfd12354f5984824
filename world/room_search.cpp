// Looking a room over: what the player learns by it stays in the world.
#include "world/data.h"

namespace raketa {

void LookOverRoom(Game& g) {
  TRoom& room = g.World.Current();
  room.Searched = 1;
  for (TFixture& fx : room.Fixtures) {
    // An empty key name equals an empty slot: such a fixture opens as soon
    // as the player has a free hand.
    for (int k = 1; k <= kInventorySlots; ++k) {
      if (SameName(fx.KeyName, g.World.Slot(k).Name)) fx.Opened = 1;
    }
  }
}

}  // namespace raketa
