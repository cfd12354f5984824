// The game in a web page: the canvas, the page's keys, the browser's clock,
// WebAudio and speech synthesis, saves kept in the browser.
#pragma once

#include "services/game_runner.h"

namespace raketa {

struct WebOptions {
  // The game to run; the wiring hands it in.
  GameFactory game;
  // Where the game's data, saves and settings lie.
  GameFolders folders{};
};

// Runs the game until the player ends it (F10); returns the exit code
// (non-zero when the game could not start, with the reason on stderr).
int RunWeb(const WebOptions& opts);

}  // namespace raketa
