// Taking an item: from the floor of a searched room with "vem ", or out of an
// open fixture with "vezmi " or "vem ".  The floor is offered the line first.
#include "commands/command_kit.h"
#include "commands/commands.h"
#include "world/data.h"

namespace raketa {

namespace {

bool Names(const Game& g, std::string_view verb, const TItem& item) {
  return LineIs(g, verb, item.Name) || LineIs(g, verb, item.AltName);
}

void NotSearchedYet(Game& g) { g.Answer(W("snad bych se tu měl asi porozhlédnout co??...")); }

}  // namespace

void TakeFromFloorCommand(Game& g) {
  TRoom& room = g.World.Current();
  for (int i = 1; i <= kRoomItemSlots; ++i) {
    if (!Names(g, "vem ", room.Items[i - 1])) {
      g.CommandHandled = false;
      continue;
    }
    g.CommandHandled = true;
    if (room.Searched == 0) {
      NotSearchedYet(g);
    } else if (TakeItemFromRoom(g, i)) {
      g.Answer("OK..vzal jsem...");
      RebuildScreen(g);
    } else {
      g.Answer(W("bohužel nevleze..."));
      g.Cue(Cue::chyba);
    }
    return;
  }
}

void TakeFromFixtureCommand(Game& g) {
  TRoom& room = g.World.Current();
  for (int f = 1; f <= kFixtures; ++f) {
    TFixture& fixture = room.Fixtures[f - 1];
    for (int j = 1; j <= kFixtureItemSlots; ++j) {
      const TItem& item = fixture.Items[j - 1];
      if (!Names(g, "vezmi ", item) && !Names(g, "vem ", item)) {
        g.CommandHandled = false;
        continue;
      }
      g.CommandHandled = true;
      if (room.Searched == 0) {
        NotSearchedYet(g);
      } else if (fixture.Opened == 0) {
        g.Answer(fixture.Name.str() + W("..je zřejmě nepřístupný.."));
        g.Cue(Cue::chyba);
      } else if (TakeItemFromFixture(g, f, j)) {
        g.Answer("OK..vzal jsem...");
        // The first fixture is heard only through the panel; the other two
        // confirm once more themselves.
        if (f != 1) g.Cue(Cue::ok);
        RebuildScreen(g);
      } else {
        g.Answer(W("bohužel nemáš místo..."));
        g.Cue(Cue::chyba);
      }
      return;
    }
  }
}

}  // namespace raketa
