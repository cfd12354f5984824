// The world: its record and files, the narration, the panels, moving items,
// entering a room and starting a new game.
#pragma once

#include <string>

#include "services/cp1250.h"
#include "world/files.h"
#include "services/save_names.h"
#include "world/whole_step.h"
#include "world/game.h"
#include "world/world_record.h"

namespace raketa {

// --- world record and its files ---
// Reads the first record of `path` into the world (checked; the world stays
// as it was on any failure).  The world file stays open: the caller closes it.
void ReadWorld(Game& g, const std::string& path);
// The same for the world of a new game, which starts in room 1 whatever
// the file's current room is.
void ReadNewWorld(Game& g, const std::string& path);
// Writes the world as the file's only record, keeping the old file on failure.
void WriteWorld(Game& g, const std::string& path);
void CloseWorldFile(Game& g);

// --- narration ---
// "texty\m" + N + the phase's extension, with the "x" variants after repairs.
std::string RoomTextPath(const Game& g, int room);
void OpenRoomText(Game& g, const std::string& path);
// Closes the room text if one is open (a text that failed to open leaves
// none, and the next transition must still work).
void CloseRoomText(Game& g);
// The room texts' folder when it is missing or cannot be read; empty when
// it is there.
std::string MissingTextsFolder(Game& g);
void TypeNextCharacter(Game& g);
void ShowWholeText(Game& g);
// The rest of the text being typed, drawn silently in one go, ending the
// narration as the typewriter's own end does.
void FinishTyping(Game& g);
void RedrawBackground(Game& g);
// The typewriter's step through the open room text, shared by the room
// texts and the intro: at a line's end the cursor goes to the next row (the
// line break is read, not drawn); then the next character is read into the
// next 10-pixel cell.  False when the text ends with that line break.
bool TypewriterStep(Game& g, unsigned char& c);
// Where a glyph starts so that it is centred in the 10-pixel character cell
// at `cellX`, in the canvas's current font.
int GlyphXInCell(Canvas& canvas, int cellX, std::string_view glyph);
// One narration cell: black shadow, then the green glyph.
void DrawNarrationCharacter(Game& g, Canvas& canvas, unsigned char c);

// --- panels ---
void DrawInventoryPanel(Game& g);
// What the current room holds, as the player knows it: every fixture, the
// items of the open ones, the items on the floor (said too).
void DrawRoomContentsPanel(Game& g);

// --- looking the room over ---
// The room counts as searched from now on, and every fixture whose key the
// player carries opens.  Whatever shows the room's contents does this first.
void LookOverRoom(Game& g);

// --- item transfer ---
bool DropItem(Game& g, int k);
bool TakeItemFromRoom(Game& g, int i);
bool TakeItemFromFixture(Game& g, int f, int j);

// --- room transition and new game ---
void GoToRoom(Game& g, int n);
void NewGame(Game& g);
// The screen of an arrival: text from the top left, the background drawn
// afresh, the command line back at the bottom at the given left edge.
void ArriveOnScreen(Game& g, int commandLineLeft);

// --- phase ---
// Full cells and fuel outside room 33: the way back has begun.
bool WorldInReturnPhase(const TWorld& w);
// After a load, before the room is entered: the phase the loaded world is in.
void PhaseFromWorld(Game& g);

// Stops the looped room cues and the hurried footsteps.
void StopStateCues(Game& g);
// Starts the looped cues that fit the current room and the repairs (only
// with sound on). Entering a room starts the siren after the breathing;
// switching the sound back on starts it first.
enum class SirenOrder { AfterBreathing, First };
void StartRoomLoops(Game& g, SirenOrder siren);

}  // namespace raketa
