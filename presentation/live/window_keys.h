// Keys that belong to the window rather than to the game: Alt+Enter and F11
// switch between full screen and a window, Ctrl+V pastes into the command
// line.  The game never sees them.
#pragma once

#include <SDL.h>

namespace raketa {

enum class WindowKey { None, ToggleFullScreen, Paste };

WindowKey WindowKeyOf(const SDL_KeyboardEvent& e);

}  // namespace raketa
