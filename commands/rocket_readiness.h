// What the rocket still lacks before its engines will start: a full tank and
// full cells.  Said in the cabin when the player comes back too early, and
// asked about before the cables are taped.
#pragma once

#include <string>

#include "world/game.h"

namespace raketa {

// The hull's warning text: a story that has it asks before the cables are
// taped early and says in the cabin what the engines lack; a world without
// it (the tests' own) plays as the engine always did.  In the cable room's
// texts, as "v".
std::string RepairWarningText();
bool StoryWarnsAboutTheRepair(const Game& g);

// Both meters at 100, as the way back needs them.
bool RocketReady(const TWorld& w);

// "články jsou nabité jen na 75 %", "nádrž je plná jen na 60 %", or both
// as "nádrž má jen 60 % a články 75 %" (code page 1250, figures as the
// meter panel shows them); empty when nothing is missing.
std::string WhatTheRocketLacks(const TWorld& w);

// Entering the cabin with the rocket sliding but not ready: the command line
// says why the engines will not start.
void SayWhyTheEnginesWait(Game& g);

}  // namespace raketa
