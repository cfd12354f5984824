// What the command handlers share: matching the whole command line against a
// verb and a name from the world, and rebuilding the screen after a change.
#pragma once

#include <string>
#include <string_view>

#include "world/game.h"
#include "world/short_string.h"

namespace raketa {

// True when the command line is exactly `verb` (with its trailing blank, code
// page 1250) followed by `name`.  Nothing is trimmed: "vem " alone equals
// "vem " followed by an empty name.
bool LineIs(const Game& g, std::string_view verb, std::string_view name);

template <int N>
bool LineIs(const Game& g, std::string_view verb, const ShortString<N>& name) {
  return LineIs(g, verb, name.view());
}

// The room text drawn again, then the inventory and the contents panel; the
// last plays "ok", marks the room searched and opens fixtures whose key is
// carried.
void RebuildScreen(Game& g);

}  // namespace raketa
