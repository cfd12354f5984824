// Lines the classic handlers never knew: looking around again, what the
// player carries, and a short help.  They are heard only when no handler
// accepted a line, in the line's normal form.
#pragma once

#include "world/game.h"

namespace raketa {

// Accepts the look, inventory and help lines as NormalForm gives them.
void ComfortLineCommand(Game& g);

}  // namespace raketa
