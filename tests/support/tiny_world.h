// A small world of the tests' own: a few connected rooms with the roles the
// game gives rooms 7, 27, 28, 32 and 33, and a text for every room.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "world/world_record.h"

namespace raketa::test {

// No doors, no items, no texts: room 1, health and nourishment 100, cells
// and fuel 50, suit oxygen 100, an hour on the clock.
TWorld BareWorld();

// Room 1 (the cabin): north to 2 (open), east to 3 (locked, key "klic"),
// west to 7 (open).  Room 2: south back to 1; a fixture "skrin" locked by
// "karta" holding "tatranka"; "klic" and "karta" lie on its floor.  Every
// other room has an open south door back to room 1.
TWorld TinyWorld();

// Writes `world` as mistnosti.dat and a short text "Mistnost N" for every
// room in both phases, with the "x" variants and the intro, into the
// working directory.
void InstallWorld(const TWorld& world);
// Saves beside the world, made from it: "room2.sav", "room7.sav" and
// "room33.sav" (the player in that room), "dying.sav" (room 2, Health and
// MinutesLeft 0.5), "cables.sav" (room 2, cables repaired, suit worn),
// "full.sav" (room 2, fuel and cells at 100, both repairs done),
// "filler.sav" (room 32, gauge and cables repaired, cells full, fuel 80,
// a canister "palivo" carried).
std::vector<std::pair<std::string, TWorld>> FixtureSaves(const TWorld& world);
std::string RoomText(int room);

}  // namespace raketa::test
