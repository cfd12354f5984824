// The fuel valve in room 27, and using an item the player carries.  The
// valve answers are always heard, even with sound switched off.
#include "commands/commands.h"
#include "commands/use_table.h"
#include "world/data.h"
#include "world/game_roles.h"

namespace raketa {

namespace {

void ValveAnswer(Game& g, const char* utf8, Cue cue) {
  g.Answer(W(utf8));
  g.services.sound.Play(cue);
}

bool ValveCommand(Game& g) {
  TWorld& w = g.World;
  const bool here = w.CurrentRoom == kValveRoom;
  if (g.Line() == "zastav ventil") {
    g.CommandHandled = true;
    if (w.ValveClosed == 0 && here) {
      w.ValveClosed = 1;
      ValveAnswer(g, "Ok ventil zavřený...", Cue::ventil);
      g.services.sound.Stop(Cue::unik_paliva);
    } else if (w.ValveClosed == 0) {
      ValveAnswer(g, "Tu se nedá nic zavřít...", Cue::chyba);
    } else {
      ValveAnswer(g, "ventil už je zavřený !!", Cue::chyba);
    }
    return true;
  }
  if (g.Line() == "otevri ventil") {
    g.CommandHandled = true;
    if (w.ValveClosed != 0 && here) {
      // The leak is heard again only when room 7 is next entered.
      w.ValveClosed = 0;
      ValveAnswer(g, "Ok ventil otevřený...", Cue::ventil);
    } else if (w.ValveClosed != 0) {
      ValveAnswer(g, "Tu se nedá nic otevřít...", Cue::chyba);
    } else {
      ValveAnswer(g, "Ventil už je otevřený !!", Cue::chyba);
    }
    return true;
  }
  return false;
}

}  // namespace

void ValveAndUseCommand(Game& g) {
  if (ValveCommand(g)) return;
  for (int k = 1; k <= kInventorySlots; ++k) {
    TItem& item = g.World.Slot(k);
    if (LineUses(g, item)) {
      g.CommandHandled = true;
      ApplyUseTable(g, item, UseForm::Carried);
      return;
    }
  }
}

}  // namespace raketa
