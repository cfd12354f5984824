// The meter strip, redrawn every 10 ms, and the refill requests and lower
// limits applied after drawing.
#include <cmath>
#include <cstdio>

#include "app/hlavni.h"
#include "world/extended_arithmetic.h"

namespace raketa {

namespace {

// Rounded to the nearest integer, halves to the even neighbour.
std::string Rounded(float value) {
  double v = value;
  if (!std::isfinite(v) || std::fabs(v) > 1e15) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.0f", v);
    return buf;
  }
  return std::to_string(std::llrint(v));
}

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

void TickMeterPanel(Game& g) {
  if (g.IntroScreen || g.LandingScreen || g.Paused || g.GameOver) return;
  TWorld& w = g.World;
  Display& d = g.services.display;
  Canvas& canvas = d.GetCanvas();
  canvas.SetBrushStyle(BrushStyle::Solid);
  canvas.SetBrushColour(colour::Black);
  canvas.Rectangle(510, 640, 990, 663);
  canvas.SetBrushStyle(BrushStyle::Clear);
  canvas.SetFontSize(12);
  struct Meter {
    float value;
    int x;
    std::uint32_t colour;
  };
  const Meter meters[] = {
      {w.Health, 850, colour::Yellow},
      {w.Nourishment, 930, colour::Green},
      {w.CellCharge, 610, colour::Aqua},
      {w.Fuel, 730, colour::Red},
  };
  for (const Meter& m : meters) {
    canvas.SetFontColour(m.colour);
    canvas.TextOut(m.x, 640, Rounded(m.value) + " %");
  }
  if (w.SuitWorn) {
    canvas.SetFontColour(colour::Aqua);
    canvas.TextOut(520, 640, Rounded(w.SuitOxygen) + " %");
  }
  if (w.CablesRepaired) {
    canvas.SetBrushStyle(BrushStyle::Solid);
    canvas.SetBrushColour(colour::Yellow);
    canvas.Rectangle(585, 608, 625, 630);
    canvas.SetBrushStyle(BrushStyle::Clear);
    canvas.SetFontColour(colour::Red);
    canvas.TextOut(250, 605, W("sakra sakra raketa se pohnula nemáš moc času ") + Rounded(w.MinutesLeft));
    canvas.TextOut(635, 605, W("minut rychle do kabiny !!"));
  }
  d.ReleaseCanvas();

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

}  // namespace raketa
