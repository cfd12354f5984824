// How every backend puts the game on the services it built, alike in the
// window, the replay, the web page, the test rig and the benchmarks: the
// keys the command line does not keep go to the game, and speech starts on
// or off.  The backends make the game with the wiring's factory; the rig
// and the benchmarks seat the runner they hold, to reach the game inside.
#pragma once

#include <memory>

#include "services/game_runner.h"

namespace raketa {

void SeatGame(Services& services, GameRunner& game, bool speechOn);

// The game made by `make` on the services, seated.
std::unique_ptr<GameRunner> MakeSeatedGame(Services& services, const GameFactory& make, bool speechOn);

}  // namespace raketa
