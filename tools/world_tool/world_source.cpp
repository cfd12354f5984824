#include "world_source.h"

namespace raketa::worldtool {

std::string WorldSource::RoomLabel(int n) const {
  std::string label = "room " + std::to_string(n);
  if (n >= 1 && n <= kRoomCount && !mapName[static_cast<std::size_t>(n)].empty()) {
    label += " (" + mapName[static_cast<std::size_t>(n)] + ")";
  }
  return label;
}

}  // namespace raketa::worldtool
