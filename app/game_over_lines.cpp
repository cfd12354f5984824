// The game-over screen's own lines, drawn once over the last play frame in
// the panel's empty left part: why the game ended, and the keys that lead on.
#include "app/hlavni.h"

namespace raketa {

namespace {

// The countdown ends the game when the rocket falls, the health when the
// player dies (a death wins when both end it); a death is told by what last
// took the health.
std::string EndReason(const Game& g) {
  const TWorld& w = g.World;
  if (w.Health < 1) {
    switch (g.LastHealthLoss) {
      case HealthLoss::Fumes: return W("Zabily tě výpary unikajícího paliva, bez skafandru se tu nedá dýchat.");
      case HealthLoss::Vacuum: return W("Venku tě bez skafandru zabilo vakuum.");
      case HealthLoss::Hunger: return W("Umřel jsi hlady a žízní.");
      case HealthLoss::None: break;
    }
    return W("Zdraví ti kleslo na nulu.");
  }
  return W("Odpočet doběhl do konce a raketa se zřítila ze srázu.");
}

}  // namespace

void ShowEndLines(Game& g) {
  g.EndLinesShown = true;
  const std::string reason = EndReason(g);
  const bool back = !g.Copies.Empty();
  const std::string keys = back ? W("Backspace = o 30 s zpět    F1 = nová hra    F2 = nahrát hru")
                                : W("F1 = nová hra    F2 = nahrát hru");
  Display& d = g.services.display;
  Canvas& canvas = d.GetCanvas();
  canvas.SetBrushStyle(BrushStyle::Solid);
  canvas.SetBrushColour(colour::Black);
  canvas.Rectangle(10, 634, 506, 706);
  canvas.SetBrushStyle(BrushStyle::Clear);
  canvas.SetFontSize(12);
  canvas.SetFontColour(colour::Yellow);
  canvas.TextOut(20, 642, reason);
  canvas.SetFontColour(colour::Aqua);
  canvas.TextOut(20, 672, keys);
  d.ReleaseCanvas();
  d.Present();
  Say(g, reason);
}

}  // namespace raketa
