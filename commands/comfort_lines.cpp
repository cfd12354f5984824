#include "commands/comfort_lines.h"

#include <algorithm>
#include <vector>

#include "commands/normal_form.h"
#include "commands/word_forms.h"
#include "world/data.h"

namespace raketa {

namespace {

// "Neseš kartu, tatranku a pivo.": the things in the accusative, as the
// word table has them; a world without the table lists its names
// ("Neseš: klic a karta.").
std::string Carried(const Game& g) {
  const WordTable table = LoadWordTable(g.services.files, g.World);
  std::vector<std::string> names, accusatives;
  for (const TItem& item : g.World.Inventory) {
    if (item.Empty()) continue;
    const std::string name = Cp1250ToUtf8(item.Name.view());
    const NounForms* n = table.Thing(name);
    names.push_back(name);
    accusatives.push_back(n && n->declined ? n->accusative : "");
  }
  if (names.empty()) return W("Nic u sebe nemáš.");
  const bool declined = std::find(accusatives.begin(), accusatives.end(), "") == accusatives.end();
  const std::vector<std::string>& shown = declined ? accusatives : names;
  std::string list;
  for (std::size_t i = 0; i < shown.size(); ++i) {
    if (i > 0) list += i + 1 == shown.size() ? " a " : ", ";
    list += shown[i];
  }
  return W((declined ? "Neseš " : "Neseš: ") + list + ".");
}

// The pages of the help, taken in turn; each fits the command line.
const char* const kHelp[] = {
    "1/7 Chůze: sever, jih, vychod, zapad, ven, zpět.",
    "2/7 Věci: prohledej, vezmi kartu, polož kartu.",
    "3/7 Prohledej pult, použij tatranku, obleč skafandr.",
    "4/7 Ventil: zavři ventil, otevři ventil; vyměň tlakoměr.",
    "5/7 Klávesy: F9 stav, F8 řeč, F5 zvuk, F4 pauza, Esc dál.",
    "6/7 F3 uložit, F2 nahrát, F6 a F7 rychle uložit a nahrát.",
    "7/7 F1 nová hra, F10 konec, Tab celý text, šipky historie.",
};
constexpr int kHelpPages = sizeof(kHelp) / sizeof(kHelp[0]);

}  // namespace

void ComfortLineCommand(Game& g) {
  const std::string& line = g.Line();
  if (line == W(comfort_line::LookAround)) {
    // Looking around is the way to hear the room again.
    g.Spoken.roomTextSaid = false;
    ShowWholeText(g);
    g.Answer(W("Rozhlížíš se."));
  } else if (line == W(comfort_line::Inventory)) {
    g.Answer(Carried(g));
  } else if (line == W(comfort_line::Help)) {
    g.Answer(W(kHelp[g.HelpPage % kHelpPages]));
    g.HelpPage = (g.HelpPage + 1) % kHelpPages;
  } else {
    g.CommandHandled = false;
    return;
  }
  g.CommandHandled = true;
}

}  // namespace raketa
