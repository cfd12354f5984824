// The room text files as a set: which names the game opens, which of them a
// world needs, converting a source folder into the game's texty folder, and
// checking a folder against a world.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "diagnostics.h"
#include "world/world_record.h"

namespace raketa::worldtool {

using RoomSet = std::array<bool, kRoomCount + 1>;

// The intro, both phases of every reachable room and the variants that the
// repairs switch to (the gauge in 7, the cables in 29 and 33, the cells in
// 28, the fuel in 32 in both of its forms).
std::vector<std::string> NeededTexts(const RoomSet& reachable);

// Whether the game ever opens a text of this name.
bool IsGameTextName(const std::string& name);

// Converts every source in `srcDir` into `outDir` (created if missing).
// Nothing is written for a source that is refused.
void ConvertTexts(const std::string& srcDir, const std::string& outDir, Diagnostics& d);

// Every needed text exists in `dir` (in either form) and keeps the screen
// rules; names the game never opens are warned about.
void CheckTextDir(const std::string& dir, const RoomSet& reachable, Diagnostics& d);

}  // namespace raketa::worldtool
