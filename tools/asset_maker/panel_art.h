// Where the game draws its own text and meters over the play-screen
// background; the background is laid out around these.
#pragma once

namespace assets::screen {

// Narration from (20, 10) and the room contents panel below it.
constexpr int kNarrationRight = 620, kNarrationBottom = 330;
constexpr int kRoomPanelTop = 350, kRoomPanelBottom = 520, kRoomPanelRight = 700;
// The command help printed at the top right.
constexpr int kHelpLeft = 664, kHelpRight = 1012, kHelpTop = 10;
// The bottom panel, its alarm line and the meter strip the game blanks.
constexpr int kPanelTop = 596;
constexpr int kMeterStripLeft = 510, kMeterStripTop = 640, kMeterStripRight = 990, kMeterStripBottom = 663;
// Meter numbers are drawn at these x; the icons sit below them.
constexpr int kOxygenX = 520, kCellsX = 610, kFuelX = 730, kHealthX = 850, kFoodX = 930;
// The oxygen bottle picture and where it goes.
constexpr int kBottleX = 520, kBottleY = 660, kBottleW = 42, kBottleH = 93;
// The command line box.
constexpr int kCommandX = 20, kCommandY = 715, kCommandW = 489, kCommandH = 31;

}  // namespace assets::screen
