// Where a player can get from room 1, and what they can lay hands on there.
//
// A search to a fixed point: a room is reached through an open door, or a
// locked one whose key has been found (a door key is used up, so every such
// door needs its own key item; doors sharing a key name are opened in room
// order); a fixture opens once its key has been found (the key is kept; a
// fixture without a key opens at the first search); the fumes of room 7 and
// the vacuum outside are entered only once the suit has been found.  The
// search knows nothing of the order of the repairs: the use tables never
// lock anything, so a repair is possible once its items and its room are.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "world/world_record.h"

namespace raketa::worldtool {

// One item that exists in the world.
struct ItemPlace {
  std::string name;     // code page 1250
  int room = 0;         // 0: the starting inventory
  int fixture = 0;      // 1..3, or 0 for the floor
  bool obtainable = false;
};

struct Reach {
  std::array<bool, kRoomCount + 1> room{};
  std::array<std::array<bool, 4>, kRoomCount + 1> doorOpen{};
  std::array<std::array<bool, kFixtures>, kRoomCount + 1> fixtureOpen{};
  std::vector<ItemPlace> items;
  bool suit = false;

  // Instances of `name` the player can obtain.
  int Obtainable(const std::string& name) const;
};

Reach Explore(const TWorld& w);

}  // namespace raketa::worldtool
