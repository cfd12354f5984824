#include "world/meter_rules.h"

#include "world/extended_arithmetic.h"
#include "world/game.h"

namespace raketa {

namespace {

float Refilled(float meter) {
  float r = ExtendedSum(meter, amount::k25);
  return r > 100 ? 100.0f : r;
}

void ApplyRefill(float& meter, bool& request) {
  if (request) {
    meter = Refilled(meter);
    request = false;
  }
  if (meter < 0) meter = 0;
}

}  // namespace

float MeterValue(const TWorld& w, MeterId id) {
  switch (id) {
    case MeterId::Health: return w.Health;
    case MeterId::Nourishment: return w.Nourishment;
    case MeterId::Cells: return w.CellCharge;
    case MeterId::Fuel: return w.Fuel;
    case MeterId::SuitOxygen: return w.SuitOxygen;
  }
  return 0;
}

void ApplyMeterRequests(Game& g) {
  TWorld& w = g.World;
  // Packed fields cannot bind to references: work on copies.
  float health = w.Health, nourishment = w.Nourishment, oxygen = w.SuitOxygen;
  ApplyRefill(health, g.HealthRefill);
  ApplyRefill(nourishment, g.NourishmentRefill);
  w.Health = health;
  w.Nourishment = nourishment;
  if (g.CellChargeClamp) {
    if (w.CellCharge > 100) w.CellCharge = 100;
    g.CellChargeClamp = false;
  }
  if (w.CellCharge < 0) w.CellCharge = 0;
  if (w.Fuel < 0) w.Fuel = 0;
  ApplyRefill(oxygen, g.SuitOxygenRefill);
  w.SuitOxygen = oxygen;
}

float FillRaised(float meter) { return ExtendedSum(meter, amount::k25); }

bool FillTopsUp(float raised) { return raised > 90; }

float FillStep(float meter) {
  const float raised = FillRaised(meter);
  return FillTopsUp(raised) ? 100.0f : raised;
}

}  // namespace raketa
