// Where the room texts lie among the game's data: "texty\m7.dat" is room
// 7's text on the way out, "texty\m7x.zpt" its text after the repair on the
// way back.  Game paths: code page 1250, backslash (see HostPath).
#pragma once

#include <string>
#include <string_view>

namespace raketa {

// The room texts' folder in the data folder.
inline constexpr const char* kRoomTextFolder = "texty";

// A room's text: `variant` is "" for the plain text, "x" after the room's
// repair, "v" for the hull's warning; `extension` is the phase's (see
// PhaseExtension).  Room 0 is the intro.
std::string RoomTextName(int room, std::string_view variant, std::string_view extension);

}  // namespace raketa
