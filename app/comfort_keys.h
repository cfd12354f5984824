// Keys that make play easier and that the classic keys leave unused: Up and
// Down recall sent lines, Tab finishes the room text being typed.
#pragma once

#include "world/game.h"

namespace raketa {

// Notes the line about to be dispatched, when the player typed or recalled
// it (a line still holding the game's answer was not the player's).
void RememberSentLine(Game& g);
// Up and Down in play: the recalled line replaces the command line as if
// typed, without a click.
void RecallKeys(Game& g);
// Tab in play: true when the player asked for the room text at once.  Polled
// every play frame, so a press never waits for a later text.
bool HurryKey(Game& g);
// Outside play these keys mean nothing; a press must not act later.
void DropComfortKeys(Game& g);

}  // namespace raketa
