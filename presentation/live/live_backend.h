// The live game: a window on the desktop, the player's keyboard, the timers
// and the sound.
#pragma once

#include "services/game_runner.h"

namespace raketa {

struct LiveOptions {
  // A 1024 x 768 window instead of the whole screen.
  bool windowed = false;
  // Speech on whatever the settings say (F8 still switches it).
  bool speak = false;
  // The game to run; the wiring hands it in.
  GameFactory game;
  // Where the game's data, saves and settings lie.
  GameFolders folders{};
};

// Runs the game until the player ends it; returns the process exit code
// (non-zero when the game could not start, with the reason on stderr).
int RunLive(const LiveOptions& opts);

}  // namespace raketa
