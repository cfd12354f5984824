// The check a world must pass before it ships (and that a mended save can be
// put through): the record's invariants, the starting state, the rooms with
// fixed roles, names the command line can type, a story that can be finished
// from room 1, and, given a folder of texts, every text the game will open.
#pragma once

#include <optional>
#include <string>

#include "diagnostics.h"
#include "text_dir.h"
#include "world_source.h"

namespace raketa::worldtool {

// Everything below; `textDir` in either form (sources or the game's texty).
Diagnostics CheckWorld(const WorldSource& src, const std::optional<std::string>& textDir);

// Invariants, starting state, room roles and names.
void CheckRecord(const WorldSource& src, Diagnostics& d);

// Doors, fixtures, the suit, the repair chain and the fills; returns the rooms
// a player can reach.
RoomSet CheckStory(const WorldSource& src, Diagnostics& d);

}  // namespace raketa::worldtool
