// The use table: every item the use command knows, with its conditions,
// effects, answer and cue.  One table serves the three places an item can be
// used from: carried, lying on the floor, or held by an open fixture.
#pragma once

#include <string>
#include <vector>

#include "services/meters.h"
#include "world/game.h"

namespace raketa {

enum class UseForm { Carried, Floor, Fixture };

// True when the command line is "použij " or "pouzij " followed by the
// item's Name or AltName.
bool LineUses(const Game& g, const TItem& item);

// Applies the first row of the table that fits the item's Name, the form and
// the world, to the item in `slot` where it lies.
void ApplyUseTable(Game& g, TItem& slot, UseForm form);

// Every item name the table's rows know (code page 1250), in the order
// the rows first name them; the use command answers any other item with a
// shrug.
const std::vector<std::string>& UseTableItems();

// The fuel or cell meter (MeterId::Fuel, MeterId::Cells), raised by a
// quarter per use: M + 25; above 90 the tank or cell counts as full:
// M = 100, the room's text switches to `fullText` and "dopln" plays.
void MeterStep(Game& g, MeterId meter, const std::string& fullText);

}  // namespace raketa
