// Keys that belong to the window rather than to the game: Alt+Enter and F11
// switch between full screen and a window, Ctrl+V pastes into the command
// line.  The game never sees them.
#pragma once

#include <SDL.h>

#include <string>
#include <string_view>

namespace raketa {

enum class WindowKey { None, ToggleFullScreen, Paste };

WindowKey WindowKeyOf(const SDL_KeyboardEvent& e);

// Clipboard text as the command line takes it: code page 1250 without line
// breaks or other control characters, at most a full line of 50.
std::string PastedCp1250(std::string_view utf8);

}  // namespace raketa
