// What some rooms do to the player: the fumes of the leak and the vacuum
// outside harm without the suit (the shelter outside holds air), and the
// filler room's north door opens when it is tried.
#pragma once

#include "world/world_record.h"

namespace raketa {

bool Fumes(int room);
bool Vacuum(const TWorld& w, int room);
// Health drains here without the suit.
bool HarmsWithoutSuit(const TWorld& w, int room);

// The door opens as the player goes through it, key or not.
bool OpensWhenTried(int room, int direction);

}  // namespace raketa
