// The parts printed on the play-screen background.
#pragma once

#include "canvas.h"

namespace assets {

// The command help card at the top right.
void CommandHelp(Canvas& c);
// The framed panel along the bottom: meter bezel, icons, labels, keys.
void ControlPanel(Canvas& c);

// Meter icons, each in a box of about w x h with its top-left at (x, y).
void BatteryIcon(Canvas& c, float x, float y, float w, float h);
void FuelTankIcon(Canvas& c, float x, float y, float w, float h);
void HeartIcon(Canvas& c, float x, float y, float w, float h);
void EnergyBallIcon(Canvas& c, float x, float y, float d);

}  // namespace assets
