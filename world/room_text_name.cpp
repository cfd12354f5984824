#include "world/room_text_name.h"

namespace raketa {

std::string RoomTextName(int room, std::string_view variant, std::string_view extension) {
  std::string name = std::string(kRoomTextFolder) + "\\m" + std::to_string(room);
  name += variant;
  name += extension;
  return name;
}

}  // namespace raketa
