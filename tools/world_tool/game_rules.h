// What the program itself gives a meaning to, and a world must therefore
// respect: the rooms with fixed roles, the items the use command knows, the
// harm of the fuel fumes and of the vacuum, and the meter step of a fuel or
// cell fill.
#pragma once

#include <string>
#include <vector>

#include "world/world_record.h"

namespace raketa::worldtool::rules {

constexpr int kStartRoom = 1;     // every new game; the goal of the return
constexpr int kLeakRoom = 7;      // fumes; the gauge is replaced here
constexpr int kValveRoom = 27;    // "zastav ventil", "otevri ventil"
constexpr int kCellRoom = 28;     // cells, once the cables are repaired
constexpr int kShaftRoom = 29;    // its text changes with the cables
constexpr int kFillerRoom = 32;   // fuel; its north door opens when tried
constexpr int kCableRoom = 33;    // outside: the cables are insulated here
constexpr int kShelterRoom = 34;  // outside, but the vacuum does not harm

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
