// Putting a carried item down with "odloz ".  The worn suit is taken off
// first and stays carried; the same line once more puts it on the floor.
#include "commands/command_kit.h"
#include "commands/commands.h"
#include "world/data.h"
#include "world/game_roles.h"

namespace raketa {

void DropCommand(Game& g) {
  TWorld& w = g.World;
  for (int k = 1; k <= kInventorySlots; ++k) {
    const TItem& item = w.Slot(k);
    if (!LineIs(g, "odloz ", item.Name) && !LineIs(g, "odloz ", item.AltName)) {
      g.CommandHandled = false;
      continue;
    }
    g.CommandHandled = true;
    if (item.Name == W(items::kSuit) && w.SuitWorn != 0) {
      g.Answer(W("OK..odložil jsem ..."));
      w.SuitWorn = 0;
      // The breathing is silenced whether or not sound is on.
      g.services.sound.Stop(Cue::dychani);
      g.Cue(Cue::ok);
      RebuildScreen(g);
    } else if (DropItem(g, k)) {
      g.Answer(W("OK..odložil jsem ..."));
      RebuildScreen(g);
    } else {
      g.Answer(W("bohužel nevleze..."));
      g.Cue(Cue::chyba);
    }
    return;
  }
}

}  // namespace raketa
