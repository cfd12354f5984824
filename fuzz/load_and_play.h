// A file from anywhere, loaded the way the player loads a save (quick load,
// F7) and played on: the narration, the panels, a search and a step.  The
// fuzz target, the byte sweep and the crash fixtures all go through here, so
// they exercise one path and a crash found by one is replayed by the others.
#pragma once

#include <string>
#include <string_view>

#include "support/rig.h"

namespace raketa::test {

// The name the file under test is saved as, beside the installed world.
inline constexpr const char* kHostileSave = "hostile.sav";

// Back to play in room 1 of `world`, with the quick operations aimed at
// kHostileSave and nothing left over from the previous file: no open
// files, no keys, no logs, no pending narration.
inline void ResetForHostileFile(Rig& rig, const TWorld& world) {
  Game& g = rig.g;
  if (g.WorldFile.IsOpen()) g.WorldFile.Close();
  CloseRoomText(g);
  rig.w = world;
  rig.StartPlay(1);
  g.LandingCountdown = 0;
  g.BackgroundPending = false;
  g.HealthRefill = g.NourishmentRefill = g.SuitOxygenRefill = g.CellChargeClamp = false;
  g.TextCursorX = g.TextCursorY = 10;
  g.SaveFileName = kHostileSave;
  rig.keys.ReleaseAll();
  rig.edit.SetText("");
  rig.edit.SetFontColour(colour::Aqua);
  rig.dialogs.answers.clear();
  rig.ClearLogs();
}

// F7 and the frame it runs in: the file is loaded or refused, and a loaded
// room's narration begins at once.
inline void QuickLoad(Rig& rig) {
  rig.PressKey(vk::F7);
  rig.Frame();
}

// Frames until the game listens to the command line again: the narration
// has ended and the input cooldown has run out (bounded, for a game that
// never gets there, such as one that has ended).
inline void Settle(Rig& rig) {
  for (int i = 0; i < 80 && (rig.g.NarrationPending || rig.g.InputCooldown > 0); ++i) rig.Frame();
}

// Plays on whatever came of the load: the narration and the panels, a
// search of the room and a step north.  A refused file leaves the old
// world to play on.
inline void PlayOn(Rig& rig) {
  Settle(rig);
  rig.Command("prohledej místnost");
  Settle(rig);
  rig.Command("sever");
  rig.Frame(2);
}

}  // namespace raketa::test
