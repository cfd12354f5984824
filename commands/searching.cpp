// Looking around: searching the whole room, and examining one fixture by its
// name.  Both look the room over (it counts as searched, fixtures whose key
// is carried open) and show what they find in the room contents panel.
#include "commands/command_kit.h"
#include "commands/commands.h"
#include "world/data.h"

namespace raketa {

void SearchRoomCommand(Game& g) {
  static const std::string kForms[] = {W("prohledej místnost"), "prohledej mistnost", "prohledej"};
  for (const std::string& form : kForms) {
    if (g.Line() == form) {
      LookOverRoom(g);
      DrawRoomContentsPanel(g);
      g.Answer("OK....");
      g.CommandHandled = true;
      return;
    }
  }
  g.CommandHandled = false;
}

void ExamineFixtureCommand(Game& g) {
  TRoom& room = g.World.Current();
  for (TFixture& f : room.Fixtures) {
    // "prohledej " alone names a fixture whose name is empty.
    if (!LineIs(g, "prohledej ", f.Name) && !LineIs(g, "prozkoumej ", f.Name)) {
      g.CommandHandled = false;
      continue;
    }
    g.CommandHandled = true;
    bool empty = f.Items[0].Empty() && f.Items[1].Empty() && f.Items[2].Empty();
    if (f.Opened == 0) {
      g.Answer(W("chybí ti  ") + f.KeyName.str());
    } else if (f.Opened == 1 && empty) {
      g.Answer(f.Name.str() + W(" je prázdný... "));
    } else {
      LookOverRoom(g);
      DrawRoomContentsPanel(g);
      g.Answer("OK....");
    }
    return;
  }
}

}  // namespace raketa
