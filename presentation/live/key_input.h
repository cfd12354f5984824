// The player's keys: into the key poll (by virtual-key code) and into the
// command line (typed characters, editing keys).
#pragma once

#include <SDL.h>

#include "services/command_line.h"
#include "services/key_poll.h"

namespace raketa {

// The game key (services/keys.h) the game polls for a key, or 0.
int VirtualKey(SDL_Keycode key);

void KeyDown(const SDL_KeyboardEvent& e, CommandLine& line, KeyPoll& keys);
void KeyUp(const SDL_KeyboardEvent& e, KeyPoll& keys);
void TextInput(const char* utf8, CommandLine& line);

}  // namespace raketa
