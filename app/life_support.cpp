// The drains and end checks of every play frame.  Each drain subtracts in
// extended precision and stores the result back as a single, so the meters
// fall exactly as the game always has.
#include "app/hlavni.h"
#include "world/game_roles.h"

namespace raketa {

namespace {
float Drain(float meter, long double amount) {
  return static_cast<float>(static_cast<long double>(meter) - amount);
}
}  // namespace

void LifeSupportTick(Game& g) {
  TWorld& w = g.World;
  if (w.CablesRepaired) w.MinutesLeft = Drain(w.MinutesLeft, 0.07L);
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
  if (w.CurrentRoom == kLeakRoom && !w.SuitWorn) {
    w.Health = Drain(w.Health, 1);
    w.Nourishment = Drain(w.Nourishment, 1);
  }
  if (w.Current().Outside != 0 && !w.SuitWorn && w.CurrentRoom != kShelterRoom) {
    w.Health = Drain(w.Health, 1);
    w.Nourishment = Drain(w.Nourishment, 1);
  }
  if (w.Nourishment < 2) w.Health = Drain(w.Health, 1);
  if (!w.ValveClosed && !w.GaugeReplaced) w.Fuel = Drain(w.Fuel, 0.005L);
  if (!w.CablesRepaired) w.CellCharge = Drain(w.CellCharge, 0.004L);
  if (w.SuitWorn) w.SuitOxygen = Drain(w.SuitOxygen, 0.004L);
}

}  // namespace raketa
