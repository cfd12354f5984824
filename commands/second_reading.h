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

// On the way back to the cabin only a step is understood: a refused line
// that reads as one of the four directions ("východ", "jdi do kabiny",
// "zpět") is offered to the movement alone.  Anything else stays refused.
void ReadAgainAsStep(Game& g);

}  // namespace raketa
