// What the program itself gives a meaning to, and a world must therefore
// respect: the rooms with fixed roles, the items the use command knows, the
// harm of the fuel fumes and of the vacuum, and how many fuel or cell fills
// a meter needs.  The rules themselves are the game's (world/).
#pragma once

#include <string>
#include <vector>

#include "world/game_roles.h"
#include "world/room_rules.h"
#include "world/world_record.h"

namespace raketa::worldtool::rules {

// The rooms with a role, shared with the game.
using raketa::kCableRoom;
using raketa::kCellRoom;
using raketa::kFillerRoom;
using raketa::kLeakRoom;
using raketa::kShaftRoom;
using raketa::kShelterRoom;
using raketa::kStartRoom;
using raketa::kValveRoom;

// Names as stored in the record (code page 1250).
std::string Suit();
std::string Gauge();
std::string Tape();
std::string Fuel();
std::string Cell();
// Every name the use tables know, "penicilín" (the fixture spelling) included.
std::vector<std::string> UseTableNames();

// Health drains here without the suit: the game's own rule.
using raketa::HarmsWithoutSuit;

// Whether the exit opens without a key: open already, or opened when tried
// (the game's rule for room 32's north door).
bool OpensWithoutKey(int room, int direction, const TExit& e);

// Uses needed to bring `meter` to 100 when at most `available` items can be
// used (-1: no limit, an item used where it lies stays there); -1 when they
// do not suffice.
int UsesToFill(float meter, int available);

}  // namespace raketa::worldtool::rules
