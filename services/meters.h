// The meters along the bottom of the play screen: where each one's figure
// stands, its colour, the name under its icon and the name F9 says, and the
// one rule that turns a meter's value into the figure the player sees and
// hears.  The panel, the voice, the world tool and the asset maker all read
// them from here.
#pragma once

#include <cstdint>
#include <string>

#include "services/screen_layout.h"
#include "services/services.h"

namespace raketa {

enum class MeterId { Health, Nourishment, Cells, Fuel, SuitOxygen };

struct MeterLook {
  MeterId id;
  int x;  // the figure's left edge on the strip
  std::uint32_t colour;
  const char* label;  // UTF-8, under its icon; null where a picture stands instead
  const char* said;   // UTF-8, its name on F9
};

// In the order the panel draws them and F9 says them; the suit's oxygen is
// drawn only while the suit is worn.
inline constexpr MeterLook kMeters[] = {
    {MeterId::Health, screen::kHealthX, colour::Yellow, "zdraví", "zdraví"},
    {MeterId::Nourishment, screen::kFoodX, colour::Green, "sytost", "sytost"},
    {MeterId::Cells, screen::kCellsX, colour::Aqua, "články", "články"},
    {MeterId::Fuel, screen::kFuelX, colour::Red, "palivo", "palivo"},
    {MeterId::SuitOxygen, screen::kOxygenX, colour::Aqua, nullptr, "kyslík ve skafandru"},
};

constexpr const MeterLook& LookOf(MeterId id) {
  for (const MeterLook& m : kMeters) {
    if (m.id == id) return m;
  }
  return kMeters[0];
}

// The figures stand on the black strip of the screen layout
// (screen::kMeterStripLeft …), blanked before every drawing.
inline constexpr int kMeterFontSize = 12;

// The countdown once the cables are mended: a line over the strip, with the
// minutes left as a meter figure.
inline constexpr int kCountdownX = 250, kCountdownY = 605;

// The largest figure a world file writes as a plain number: one of more
// than ten digits would run into the next meter on the strip.
inline constexpr double kPlainMeterLimit = 2147483647.0;

// A meter's value rounded as the panel shows it: the nearest whole number,
// halves to the even neighbour; infinities and NaN stay as they are.
double MeterWhole(float value);
// The figure drawn for it: "72", "0" for -0.4, "4000000000", and for what
// is no number "inf", "-inf" or "nan".
std::string MeterFigure(float value);

}  // namespace raketa
