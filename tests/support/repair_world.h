// The world the repair chain is played on end to end.
#pragma once

#include "world/world_record.h"

namespace raketa::test {

// The cabin (1) has a door to each place of the repairs: north to the valve
// (27), east to the gauge (7), south to the filler (32), west to the cells
// (28); from the filler north leads outside to the cables (33).  The player
// carries the gauge, a canister, the suit and the tape; a cell lies in 28.
// Every text is drawn at once (no first visits).
TWorld RepairWorld();

}  // namespace raketa::test
