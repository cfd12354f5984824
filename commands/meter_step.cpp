// One canister of fuel or one new power cell.  The meters are singles; the
// sum is formed in extended precision and stored back as a single, like the
// drains.  A meter above 90 is topped up to exactly 100, which together with
// the other meter at 100 starts the way home.
#include "commands/use_table.h"
#include "world/data.h"
#include "world/meter_rules.h"

namespace raketa {

namespace {
void Set(TWorld& w, MeterId m, float v) {
  if (m == MeterId::Fuel) {
    w.Fuel = v;
  } else {
    w.CellCharge = v;
  }
}
}  // namespace

void MeterStep(Game& g, MeterId meter, const std::string& fullText) {
  TWorld& w = g.World;
  const float raised = FillRaised(MeterValue(w, meter));
  // Stored before the text is switched: a missing text leaves the raise.
  Set(w, meter, raised);
  if (FillTopsUp(raised)) {
    // Without its text the tank or cell is full all the same: the way home
    // needs exactly 100.
    WholeStep(
        [&] {
          CloseRoomText(g);
          OpenRoomText(g, fullText);
        },
        [&] {
          Set(w, meter, 100);
          g.Cue(Cue::dopln);
        });
  }
}

}  // namespace raketa
