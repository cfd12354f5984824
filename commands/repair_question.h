// Taping the cables is the one step that cannot be undone: from then on the
// rocket slides off the cliff.  Tried before the tank and the cells are
// full, it is asked about once first; the same line again, or "ano",
// carries it out exactly as always.  The question is part of the story: a
// game whose texts have no warning for the hull (texty\m33v) tapes at once.
#pragma once

#include "world/game.h"

namespace raketa {

// At the start of a dispatch: a line that answers a pending question
// confirms the repair for this line ("ano" is read as the asked line);
// any other line forgets the question.
void HearRepairAnswer(Game& g);
// At the end of a dispatch: a confirmation holds for one line only.
void EndRepairAnswer(Game& g);

// Using `item` in `room 33 with the suit on` would tape the cables now:
// asks instead when the rocket is not ready and the player has not
// confirmed, showing the hull's warning and the question.  True when it
// asked.
bool AskedBeforeRepair(Game& g, const TItem& item);

}  // namespace raketa
