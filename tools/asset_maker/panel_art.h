// Where the game draws its own text and meters over the play-screen
// background; the background is laid out around these.
#pragma once

#include "services/meters.h"

namespace assets::screen {

// Narration from (20, 10) and the room contents panel below it.
constexpr int kNarrationRight = 620, kNarrationBottom = 330;
constexpr int kRoomPanelTop = 350, kRoomPanelBottom = 520, kRoomPanelRight = 700;
// The command help printed at the top right.
constexpr int kHelpLeft = 664, kHelpRight = 1012, kHelpTop = 10;
// The bottom panel, its alarm line and the meter strip the game blanks.
constexpr int kPanelTop = 596;
using raketa::kMeterStripBottom;
using raketa::kMeterStripLeft;
using raketa::kMeterStripRight;
using raketa::kMeterStripTop;
// Meter numbers are drawn at these x; the icons sit below them.
constexpr int kOxygenX = raketa::LookOf(raketa::MeterId::SuitOxygen).x;
constexpr int kCellsX = raketa::LookOf(raketa::MeterId::Cells).x;
constexpr int kFuelX = raketa::LookOf(raketa::MeterId::Fuel).x;
constexpr int kHealthX = raketa::LookOf(raketa::MeterId::Health).x;
constexpr int kFoodX = raketa::LookOf(raketa::MeterId::Nourishment).x;
// The oxygen bottle picture and where it goes.
constexpr int kBottleX = 520, kBottleY = 660, kBottleW = 42, kBottleH = 93;
// The command line box.
constexpr int kCommandX = 20, kCommandY = 715, kCommandW = 489, kCommandH = 31;

}  // namespace assets::screen
