// The natural reading of a line that neither the handlers nor its normal
// form placed: a Czech sentence as players type it ("vezmi si přístupovou
// kartu", "jdi do šatny", "použij izolačku na kabely", "najez se") turned
// into the one line the handlers or the comfort lines accept, or into an
// answer that says what was missing ("Minerálku tu nevidím.").
#pragma once

#include <string>

#include "world/game.h"

namespace raketa {

struct NaturalReading {
  // Code page 1250.  At most one of them is set; neither when the line
  // says nothing the game knows.
  std::string line;    // to offer to the handlers, then the comfort lines
  std::string answer;  // a refusal that helps, said in red
  // A second command joined by "a" ("vezmi špekáček a housku"): the line
  // to send after `line`, read afresh then.
  std::string then;
};

// `typed` is the command line as sent (code page 1250, lower case).
NaturalReading ReadNaturally(const Game& g, const std::string& typed);

}  // namespace raketa
