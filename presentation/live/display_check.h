// Whether the live game has somewhere to show itself.  Without a desktop SDL
// falls back to drivers that draw nowhere, and the game would run unseen
// until killed; it says so in one line and ends instead.
#pragma once

#include <string>

namespace raketa {

// Before SDL starts, from the environment: `display`, `wayland` and
// `waylandSocket` are DISPLAY, WAYLAND_DISPLAY and WAYLAND_SOCKET, and
// `requested` is SDL_VIDEODRIVER (null when unset).  Empty when the game may
// try; otherwise the reason it cannot.
std::string MissingDisplay(const char* display, const char* wayland, const char* waylandSocket,
                           const char* requested);

// After SDL started on the video driver `chosen`: the reason when that driver
// shows nothing and the player did not ask for it by name in `requested`.
std::string InvisibleDriver(const char* chosen, const char* requested);

}  // namespace raketa
