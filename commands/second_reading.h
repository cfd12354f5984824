// A line that no handler accepted gets a second reading in its normal form,
// by the same handlers and then by the comfort lines, before the game says
// it does not understand.  Lines the handlers accept never get here, so they
// behave exactly as they always did.
#pragma once

#include "world/game.h"

namespace raketa {

// `offer` runs the handlers in their dispatch order.  When the second
// reading is refused too, the command line holds the player's line again.
void ReadAgainInNormalForm(Game& g, void (*offer)(Game&));

}  // namespace raketa
