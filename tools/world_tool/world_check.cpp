#include "world_check.h"

namespace raketa::worldtool {

Diagnostics CheckWorld(const WorldSource& src, const std::optional<std::string>& textDir) {
  Diagnostics d;
  CheckRecord(src, d);
  RoomSet reachable = CheckStory(src, d);
  if (textDir) CheckTextDir(*textDir, reachable, d);
  return d;
}

}  // namespace raketa::worldtool
