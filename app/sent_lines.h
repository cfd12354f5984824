// Lines typed while a room text is drawn.  Enter is not polled until the
// text is done, so a player who finishes a line and types on would run both
// lines together ("jihzapad").  An Enter pressed during the text closes the
// line; what is typed after it starts the next one, and the closed lines
// are sent one by one when the text is done, with the usual cooldown
// between them.  Without typing after such an Enter nothing changes: the
// press is acted on at the first poll, as always.
#pragma once

#include "world/game.h"

namespace raketa {

// From the key-press event of the command line, in play, after its own
// steps: `key` is the typed character ('\r' for Enter).
void NoteKeyForSentLines(Game& g, char key);

// In the play step where Enter would be polled: true when waiting lines
// decide this frame (Enter is then not polled); `send` dispatches the line
// put into the command line.
bool SendWaitingLine(Game& g, void (*send)(Game&));

// After a dispatch: the answer stays until the next key, which gives back
// the line the player was typing.
void GiveBackUnfinished(Game& g);

// A new game or the end of one: nothing waits any more.
void ForgetSentLines(Game& g);

}  // namespace raketa
