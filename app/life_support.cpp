// The drains and end checks of every play frame.  Each drain subtracts in
// extended precision and stores the result back as a single, so the meters
// fall exactly as the game always has, on every machine.
#include "app/hlavni.h"
#include "world/extended_arithmetic.h"
#include "world/room_rules.h"

namespace raketa {

void LifeSupportTick(Game& g) {
  TWorld& w = g.World;
  if (w.CablesRepaired) w.MinutesLeft = ExtendedDifference(w.MinutesLeft, amount::k0_07);
  // The end checks come before the drains: a value that fell below its
  // limit ends the game in the next frame.
  if (w.MinutesLeft < 1) {
    g.GameOver = true;  // the rocket fell off the cliff
    g.Cue(Cue::logo);
  }
  if (w.Health < 1) {
    g.GameOver = true;  // the player died
    g.Cue(Cue::mrtvy);
  }
  // What hurt first in this frame is what a death is told by: the fumes
  // and the vacuum starve the player too.
  HealthLoss loss = HealthLoss::None;
  if (Fumes(w.CurrentRoom) && !w.SuitWorn) {
    w.Health = ExtendedDifference(w.Health, amount::k1);
    w.Nourishment = ExtendedDifference(w.Nourishment, amount::k1);
    loss = HealthLoss::Fumes;
  }
  if (Vacuum(w, w.CurrentRoom) && !w.SuitWorn) {
    w.Health = ExtendedDifference(w.Health, amount::k1);
    w.Nourishment = ExtendedDifference(w.Nourishment, amount::k1);
    if (loss == HealthLoss::None) loss = HealthLoss::Vacuum;
  }
  if (w.Nourishment < 2) {
    w.Health = ExtendedDifference(w.Health, amount::k1);
    if (loss == HealthLoss::None) loss = HealthLoss::Hunger;
  }
  if (loss != HealthLoss::None) g.LastHealthLoss = loss;
  if (!w.ValveClosed && !w.GaugeReplaced) w.Fuel = ExtendedDifference(w.Fuel, amount::k0_005);
  if (!w.CablesRepaired) w.CellCharge = ExtendedDifference(w.CellCharge, amount::k0_004);
  if (w.SuitWorn) w.SuitOxygen = ExtendedDifference(w.SuitOxygen, amount::k0_004);
}

}  // namespace raketa
