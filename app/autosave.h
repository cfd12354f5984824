// The game kept for later: whenever the player leaves a running game (a new
// game, F10, the window closed, the program stopped, the page closed), the
// world goes into one file of the save folder, and the next start offers to
// go on with it.  A player who never wants that deletes the file.
#pragma once

#include <string>

#include "services/save_names.h"
#include "world/game.h"

namespace raketa {

// Only a game being played (or paused) is kept: not the intro, the landing,
// the game-over or departure screens, and nothing once the game left.
bool KeepingAllowed(const Game& g);
// Writes the kept game when that is allowed (IoError when it fails).
void KeepGame(Game& g);
// The kept game waits in the save folder.
bool KeptGameWaits(Game& g);

// F1 in play, before the landing.  A game that cannot be kept stops the
// first F1 with the reason (IoError); the next F1 goes ahead.
void KeepBeforeNewGame(Game& g);
// F10 in play: the game kept before the window closes; a failure is shown
// in the error box, and the game ends all the same.
void KeepOnLeaving(Game& g);
// The window closed, a signal, the page going: the game kept unless it kept
// itself on its way out.  Returns what went wrong (empty when nothing did),
// for the backend to tell where it can.
std::string KeepWhenLeft(Game& g);

// --- the intro's offer ---
// Draws and says the line that tells of the kept game (once).
void OfferKeptGame(Game& g);
// Enter on the intro: the kept game is loaded and entered as F2 would,
// straight into play.  A kept game that cannot be read leads to the landing
// and a new game instead (IoError).
void ContinueKeptGame(Game& g);

}  // namespace raketa
