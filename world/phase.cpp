// The phase is run-time state, never saved; the world shows it all the same.
#include "world/data.h"
#include "world/game_roles.h"
#include "world/phase.h"

namespace raketa {

bool WorldInReturnPhase(const TWorld& w) {
  // Exact equality of the stored values: both meters snap to 100 when full
  // and nothing drains them on the way back.
  return w.CellCharge == 100.0f && w.Fuel == 100.0f && w.CurrentRoom != kCableRoom;
}

const std::string& PhaseExtension(Phase phase) {
  static const std::string none;
  static const std::string outbound = ".dat";
  static const std::string back = ".zpt";
  switch (phase) {
    case Phase::None: return none;
    case Phase::Outbound: return outbound;
    case Phase::Return: return back;
  }
  return none;
}

void PhaseFromWorld(Game& g) { g.TripPhase = WorldInReturnPhase(g.World) ? Phase::Return : Phase::Outbound; }

}  // namespace raketa
