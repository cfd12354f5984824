// What the world did in a frame, for a listener who cannot see the panels:
// a lock that used up a card, a key or a chip, the charge of the cells after
// each use, the fuel leaking away, the cells draining, the player choking
// and the suit's oxygen running low.  Found by comparing the world at the
// start of a frame with the world at its end, so no command needs to know.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace raketa {

struct TWorld;

struct WorldGlance {
  bool valid = false;
  int room = 0;
  std::array<std::string, 4> doorKeys;  // the current room's locks
  std::array<std::string, 3> fixtureKeys;
  std::array<std::string, 3> fixtureNames;
  float cells = 0, fuel = 0, oxygen = 0;
  bool leaking = false;
  bool suit = false;
  bool harmful = false;  // fumes or vacuum without the suit
  bool cablesRepaired = false;
};

// The world as it stands, with the locks of the current room or of room
// `roomNumber`.
WorldGlance Glance(const TWorld& w);
WorldGlance Glance(const TWorld& w, int roomNumber);

// What changed from `before` to the world `w` now, in sentences in code
// page 1250: `told` after the answer, `warnings` before anything waiting.
// `arrived`: the player entered a room in this frame.
void WorldNews(const WorldGlance& before, const TWorld& w, bool arrived, std::vector<std::string>& told,
               std::vector<std::string>& warnings);

}  // namespace raketa
