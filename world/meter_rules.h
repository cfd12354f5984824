// What moves the meters outside the frame's drains: the fills a use asks
// for, applied once the panel has been drawn, and the fuel and cell step.
#pragma once

#include "services/meters.h"
#include "world/world_record.h"

namespace raketa {

struct Game;

// The value behind a meter of the panel.
float MeterValue(const TWorld& w, MeterId id);

// The requests a use left for the panel tick (health, nourishment and the
// suit's oxygen up by 25, at most 100; the cells cut back to 100), and the
// lower limit of 0 on every meter but the minutes.  Applied after the panel
// is drawn, so the figures show the value from before.
void ApplyMeterRequests(Game& g);

// One canister of fuel or one new cell: +25 in extended precision, stored
// as a single.
float FillRaised(float meter);
// A raised meter above 90 counts as full and is set to exactly 100.
bool FillTopsUp(float raised);
// Both: the meter after one fill.
float FillStep(float meter);

}  // namespace raketa
