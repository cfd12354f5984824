#include "commands/comfort_lines.h"

#include "commands/normal_form.h"
#include "world/data.h"

namespace raketa {

namespace {

std::string Carried(const Game& g) {
  std::string names;
  for (int k = 1; k <= kInventorySlots; ++k) {
    const TItem& item = g.World.Inventory[k - 1];
    if (item.Empty()) continue;
    names += (names.empty() ? "" : ", ") + item.Name.str();
  }
  return names.empty() ? W("nic u sebe nemáš...") : W("neseš: ") + names;
}

// Two pages, taken in turn: what to type, then the keys.
const char* const kHelp[] = {
    "sever jih vychod zapad, prohledej, vem, odloz, použij",
    "šipky=staré příkazy, Tab=celý text, i=co neseš",
};

}  // namespace

void ComfortLineCommand(Game& g) {
  const std::string& line = g.Line();
  if (line == W(comfort_line::LookAround)) {
    // Looking around is the way to hear the room again.
    g.Spoken.roomTextSaid = false;
    ShowWholeText(g);
    g.Answer(W("rozhlížím se..."));
  } else if (line == W(comfort_line::Inventory)) {
    g.Answer(Carried(g));
  } else if (line == W(comfort_line::Help)) {
    g.Answer(W(kHelp[g.HelpPage]));
    g.HelpPage = (g.HelpPage + 1) % 2;
  } else {
    g.CommandHandled = false;
    return;
  }
  g.CommandHandled = true;
}

}  // namespace raketa
