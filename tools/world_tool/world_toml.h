// The readable form of the world (data/world.toml) and of saved games.
//
//   [State]      CurrentRoom, the six meters, the four flags, Inventory
//   [[Rooms]]    Number, Map (a short name for the map only), FirstVisit,
//                Searched, Outside, North/East/South/West = { Target,
//                KeyName, Opened }, Items, and up to three [[Rooms.Fixtures]]
//                with Name, KeyName, Opened and Items.
//
// An item is { Name = "...", AltName = "..." }; AltName defaults to Name and
// {} is an empty slot, so slot positions survive.  Opened defaults to true
// exactly when nothing locks the door or fixture (a door: a Target and no
// KeyName; a fixture: no KeyName).  Flags are booleans, or byte values when
// a record holds something other than 0 and 1.  Padding and the stale bytes
// behind string lengths have no meaning and are left out: compiling writes
// zeros there.
#pragma once

#include <string>
#include <string_view>

#include "world_source.h"

namespace raketa::worldtool {

// Throws ToolError with "file:line: place: fault" on anything it cannot take.
WorldSource ReadWorldToml(std::string_view text, const std::string& file);

std::string WriteWorldToml(const WorldSource& src);

// The text of one meter as written into the TOML: the shortest decimal that
// reads back to the very same single, or { Bits = ... } for a NaN that
// "nan" cannot carry (a payload, a sign).
std::string FormatMeter(float value);

}  // namespace raketa::worldtool
