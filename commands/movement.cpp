// Walking through the doors of the current room: "sever", "vychod", "jih"
// and "zapad".  A carried key unlocks a locked door and is used up with it.
#include "commands/command_kit.h"
#include "commands/commands.h"
#include "commands/rocket_readiness.h"
#include "world/data.h"
#include "world/room_rules.h"

namespace raketa {

namespace {

struct DirectionWord {
  const char* word;      // as typed (plain ASCII, the line is lower-cased)
  Direction exit;
  const char* noDoor;    // UTF-8
};

// Tested in this order; the first equal word decides.
constexpr DirectionWord kWords[] = {
    {"sever", North, "to nejde...nejsou žádné dveře na sever..."},
    {"jih", South, "to nejde...nejsou žádné dveře na jih ..."},
    {"vychod", East, "to nejde...nejsou žádné dveře na východ ..."},
    {"zapad", West, "to nejde...nejsou žádné dveře na západ ..."},
};

// The first carried slot whose Name is the key's name, or 0.
int KeySlot(const TWorld& w, const ShortString<30>& key) {
  for (int k = 1; k <= kInventorySlots; ++k) {
    if (SameName(w.Inventory[k - 1].Name, key)) return k;
  }
  return 0;
}

void Refuse(Game& g, Cue cue, const std::string& answer) {
  // The cue starts before the answer is written.
  g.Cue(cue);
  g.Answer(answer);
}

}  // namespace

void MoveCommand(Game& g) {
  const DirectionWord* dir = nullptr;
  for (const DirectionWord& d : kWords) {
    if (g.Line() == d.word) {
      dir = &d;
      break;
    }
  }
  if (dir == nullptr) return;

  g.CommandHandled = true;
  TWorld& w = g.World;
  if (OpensWhenTried(w.CurrentRoom, dir->exit)) w.Current().Exits[dir->exit].Opened = 1;
  TExit& exit = w.Current().Exits[dir->exit];

  if (exit.Target == 0) {
    Refuse(g, Cue::chyba, W(dir->noDoor));
    return;
  }
  if (exit.Opened != 0) {
    GoToRoom(g, exit.Target);
    SayWhyTheEnginesWait(g);
    return;
  }
  // A locked door that names no key cannot be opened at all; the word stays
  // in the line, silently understood.
  if (exit.KeyName.empty()) return;

  int slot = KeySlot(w, exit.KeyName);
  if (slot == 0) {
    if (dir->exit == North) {
      Refuse(g, Cue::zavrene, W("bohužel dveře na sever jsou asi zamknuté...."));
    } else {
      Refuse(g, Cue::zavrene, W("bohužel dveře jsou zamknuté chybí ti ") + exit.KeyName.str());
    }
    return;
  }

  w.Slot(slot).Clear();
  exit.KeyName.clear();
  exit.Opened = 1;
  if (dir->exit != North) {
    GoToRoom(g, exit.Target);
    SayWhyTheEnginesWait(g);
    return;
  }
  // North: the door is unlocked but the player stays to look at the room.
  g.Answer(W("ok..dveře jsou otevřené jdu na sever.."));
  RebuildScreen(g);
}

}  // namespace raketa
