// The phase is run-time state, never saved; the world shows it all the same.
#include "world/data.h"
#include "world/game_roles.h"

namespace raketa {

bool WorldInReturnPhase(const TWorld& w) {
  // Exact equality of the stored values: both meters snap to 100 when full
  // and nothing drains them on the way back.
  return w.CellCharge == 100.0f && w.Fuel == 100.0f && w.CurrentRoom != kCableRoom;
}

void PhaseFromWorld(Game& g) { g.TextExt = WorldInReturnPhase(g.World) ? ".zpt" : ".dat"; }

}  // namespace raketa
