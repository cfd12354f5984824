// The meter strip, redrawn every 10 ms; the refill requests and lower
// limits follow the drawing (world/meter_rules.h).
#include "app/hlavni.h"
#include "services/meters.h"
#include "services/screen_layout.h"
#include "world/meter_rules.h"

namespace raketa {

namespace {

void DrawMeterPanel(Game& g) {
  const TWorld& w = g.World;
  Display& d = g.services.display;
  Canvas& canvas = d.GetCanvas();
  canvas.SetBrushStyle(BrushStyle::Solid);
  canvas.SetBrushColour(colour::Black);
  canvas.Rectangle(screen::kMeterStripLeft, screen::kMeterStripTop, screen::kMeterStripRight, screen::kMeterStripBottom);
  canvas.SetBrushStyle(BrushStyle::Clear);
  canvas.SetFontSize(kMeterFontSize);
  for (const MeterLook& m : kMeters) {
    if (m.id == MeterId::SuitOxygen && !w.SuitWorn) continue;
    canvas.SetFontColour(m.colour);
    canvas.TextOut(m.x, screen::kMeterStripTop, MeterFigure(MeterValue(w, m.id)) + " %");
  }
  if (w.CablesRepaired) {
    canvas.SetBrushStyle(BrushStyle::Solid);
    canvas.SetBrushColour(colour::Yellow);
    canvas.Rectangle(585, 608, 625, 630);
    canvas.SetBrushStyle(BrushStyle::Clear);
    canvas.SetFontColour(colour::Red);
    canvas.TextOut(kCountdownX, kCountdownY,
                   W("sakra sakra raketa se pohnula nemáš moc času ") + MeterFigure(w.MinutesLeft));
    canvas.TextOut(635, kCountdownY, W("minut rychle do kabiny !!"));
  }
  d.ReleaseCanvas();
}

}  // namespace

void TickMeterPanel(Game& g) {
  if (g.IntroScreen || g.LandingScreen || g.Paused || g.GameOver) return;
  DrawMeterPanel(g);
  ApplyMeterRequests(g);
}

}  // namespace raketa
