// The speech keys, on every screen: F8 switches speech on or off, F9 says
// the state (the meters, what is carried, the minutes left), F12 (or
// Ctrl+L) reads the command line.
#pragma once

#include "world/game.h"

namespace raketa {

void SpeechKeys(Game& g);

}  // namespace raketa
