// Whole-line matching and the screen rebuild after a command changed the world.
#include "commands/command_kit.h"

#include "world/data.h"

namespace raketa {

bool LineIs(const Game& g, std::string_view verb, std::string_view name) {
  const std::string& line = g.Line();
  return line.size() == verb.size() + name.size() && std::string_view(line).substr(0, verb.size()) == verb &&
         std::string_view(line).substr(verb.size()) == name;
}

void RebuildScreen(Game& g) {
  // Heard is what the command changed: an unchanged contents panel is not
  // said again.
  g.Spoken.panelRedrawn = true;
  ShowWholeText(g);
  DrawInventoryPanel(g);
  LookOverRoom(g);
  DrawRoomContentsPanel(g);
  g.Spoken.panelRedrawn = false;
}

}  // namespace raketa
