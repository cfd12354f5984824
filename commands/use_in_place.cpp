// Using an item where it lies: on the floor of the room, or in one of its
// open fixtures.  The carried item of the same name was offered the line
// first, the floor before the fixtures, a lower fixture before a higher one.
#include "commands/commands.h"
#include "commands/use_table.h"
#include "world/data.h"

namespace raketa {

namespace {

void UseFirstNamed(Game& g, TItem* slots, int count, UseForm form) {
  for (int i = 0; i < count; ++i) {
    if (!LineUses(g, slots[i])) continue;
    g.CommandHandled = true;
    if (g.World.Current().Searched == 0) {
      g.Answer(W("snad bych se tu měl asi porozhlédnout co??..."));
      return;
    }
    ApplyUseTable(g, slots[i], form);
    return;
  }
}

}  // namespace

void UseFromFloorCommand(Game& g) {
  g.CommandHandled = false;
  UseFirstNamed(g, g.World.Current().Items, kRoomItemSlots, UseForm::Floor);
}

void UseFromFixtureCommand(Game& g, int k) {
  g.CommandHandled = false;
  TFixture& fixture = g.World.Current().Fixtures[k - 1];
  // A locked fixture's items cannot be reached.
  if (fixture.Opened == 0) return;
  UseFirstNamed(g, fixture.Items, kFixtureItemSlots, UseForm::Fixture);
}

}  // namespace raketa
