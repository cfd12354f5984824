// What the program itself gives a meaning to, and a world must therefore
// respect: the rooms with fixed roles, the items the use command knows, the
// harm of the fuel fumes and of the vacuum, and the meter step of a fuel or
// cell fill.
#pragma once

#include <string>
#include <vector>

#include "world/game_roles.h"
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

// Health drains 25 a second here without the suit.
bool Harmful(const TWorld& w, int room);

// Whether the exit opens without a key: open already, or room 32's north door.
bool OpensWithoutKey(int room, int direction, const TExit& e);

// One fuel or cell use: +25 stored as a single; above 90 exactly 100.
float MeterStep(float meter);

// Uses needed to bring `meter` to 100 when at most `available` items can be
// used (-1: no limit, an item used where it lies stays there); -1 when they
// do not suffice.
int UsesToFill(float meter, int available);

}  // namespace raketa::worldtool::rules
