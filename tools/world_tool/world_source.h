// The world as the tool handles it: the record exactly as the game stores it,
// plus the short room names that only the readable form and the map carry.
#pragma once

#include <array>
#include <stdexcept>
#include <string>

#include "world/world_record.h"

namespace raketa::worldtool {

// A fault in the tool's input, with a message that names its place.
class ToolError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct WorldSource {
  TWorld world{};
  std::array<std::string, kRoomCount + 1> mapName;  // UTF-8; [0] unused

  // "room 12 (přepážka)" or "room 12" when the room has no map name.
  std::string RoomLabel(int n) const;
};

}  // namespace raketa::worldtool
