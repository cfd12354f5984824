// The command handlers.  Each reads the whole command line, and when it
// recognises the line it carries the command out, writes its answer into the
// line and sets CommandHandled; otherwise it changes nothing.
#pragma once

#include "world/game.h"

namespace raketa {

void SearchRoomCommand(Game& g);
void ExamineFixtureCommand(Game& g);
void TakeFromFloorCommand(Game& g);
void TakeFromFixtureCommand(Game& g);
void DropCommand(Game& g);
void MoveCommand(Game& g);
void ValveAndUseCommand(Game& g);
void UseFromFloorCommand(Game& g);
void UseFromFixtureCommand(Game& g, int k);

}  // namespace raketa
