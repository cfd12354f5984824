// Where the parts of the play screen lie.  The game draws its texts and
// meters at these places, the asset maker paints the background around
// them, and the world tool checks that a room text fits its field.
#pragma once

namespace raketa::screen {

// The whole screen, and the back surface the game draws on.
inline constexpr int kWidth = 1024;
inline constexpr int kHeight = 768;

// The room text, typed like a typewriter: the cursor starts at (10, 10) and
// moves one cell right before each character, one row down at a line's end.
inline constexpr int kNarrationX = 10, kNarrationY = 10;
inline constexpr int kNarrationCell = 10, kNarrationRow = 18;
// A room text has at most 60 characters a row and 18 rows; the intro, typed
// from y 400 on the title picture, at most 15 rows.
inline constexpr int kRoomTextColumns = 60, kRoomTextRows = 18;
inline constexpr int kIntroY = 400, kIntroRows = 15;
// The dark field the background keeps for the room text: its cells end at
// x 620; its rows end at about y 334, softly.
inline constexpr int kNarrationRight = kNarrationX + (kRoomTextColumns + 1) * kNarrationCell;
inline constexpr int kNarrationBottom = 330;

// The room contents panel below the room text.
inline constexpr int kRoomPanelTop = 350, kRoomPanelBottom = 520, kRoomPanelRight = 700;
// The command help the background carries at the top right.
inline constexpr int kHelpLeft = 664, kHelpRight = 1012, kHelpTop = 10;

// The control bar at the bottom: the alarm line, the inventory, the meters
// and the command line.
inline constexpr int kPanelTop = 596;
// The meter strip the panel tick blanks and writes the meters into
// (right and bottom exclusive), and the x of each meter's number.
inline constexpr int kMeterStripLeft = 510, kMeterStripTop = 640, kMeterStripRight = 990, kMeterStripBottom = 663;
inline constexpr int kOxygenX = 520, kCellsX = 610, kFuelX = 730, kHealthX = 850, kFoodX = 930;
// The oxygen bottle, shown while the suit is worn.
inline constexpr int kBottleX = 520, kBottleY = 660, kBottleW = 42, kBottleH = 93;

// The command line's box.  On arrival in a room it stands at x 10 for one
// frame; the play step puts it back.
inline constexpr int kCommandLineX = 20, kCommandLineY = 715, kCommandLineW = 489, kCommandLineH = 31;
inline constexpr int kArrivalCommandLineX = 10;
// Where the game puts the command line to hide it (the intro, the landing
// picture): below the screen, so none of its box shows.
inline constexpr int kHiddenCommandLineY = 1500;

static_assert(kHiddenCommandLineY >= kHeight, "a hidden command line must lie wholly below the screen");
static_assert(kCommandLineY + kCommandLineH <= kHeight, "the command line must lie on the screen");
static_assert(kNarrationRight <= kHelpLeft, "a full row of room text must stop short of the command help");
static_assert(kNarrationY + kRoomTextRows * kNarrationRow <= kRoomPanelTop,
              "a full room text must end above the contents panel");
static_assert(kMeterStripTop > kPanelTop, "the meters lie in the control bar");

}  // namespace raketa::screen
