#include "world/room_rules.h"

#include "world/game_roles.h"

namespace raketa {

bool Fumes(int room) { return room == kLeakRoom; }

bool Vacuum(const TWorld& w, int room) { return w.Room(room).Outside != 0 && room != kShelterRoom; }

bool HarmsWithoutSuit(const TWorld& w, int room) { return Fumes(room) || Vacuum(w, room); }

bool OpensWhenTried(int room, int direction) { return room == kFillerRoom && direction == North; }

}  // namespace raketa
