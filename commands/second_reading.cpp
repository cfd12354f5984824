#include "commands/second_reading.h"

#include "commands/commands.h"
#include "commands/comfort_lines.h"
#include "commands/natural_reading.h"
#include "commands/normal_form.h"

namespace raketa {

namespace {

// Offers `line` to the handlers (unless it is the typed line they already
// refused) and then to the comfort lines.  True when one accepted it.
bool Offer(Game& g, const std::string& typed, const std::string& line, void (*offer)(Game&)) {
  g.CommandInput().ReplaceQuietly(line);
  if (line != typed) offer(g);
  if (!g.CommandHandled) ComfortLineCommand(g);
  if (g.CommandHandled && g.Line() == line) {
    // Accepted without an answer: the line as the player typed it, then
    // the line the game understood shown as a change.
    g.CommandInput().ReplaceQuietly(typed);
    g.Answer(line);
  }
  return g.CommandHandled;
}

bool IsDirection(const std::string& line) {
  return line == "sever" || line == "jih" || line == "vychod" || line == "zapad";
}

}  // namespace

void ReadAgainAsStep(Game& g) {
  const std::string typed = g.Line();
  std::string step = NormalForm(typed, g.World.Current());
  if (!IsDirection(step)) step = ReadNaturally(g, typed).line;
  if (!IsDirection(step) || step == typed) return;
  g.CommandInput().ReplaceQuietly(step);
  MoveCommand(g);
  if (!g.CommandHandled || g.Line() == step) {
    // Refused, or accepted without an answer: the player's line, then (if
    // accepted) the step the game understood shown as a change.
    g.CommandInput().ReplaceQuietly(typed);
    if (g.CommandHandled) g.Answer(step);
  }
}

void ReadAgainInNormalForm(Game& g, void (*offer)(Game&)) {
  const std::string typed = g.Line();
  // The handlers read the command line; the player sees the rewritten line
  // only through the answer it gets.
  const std::string normal = NormalForm(typed, g.World.Current());
  if (Offer(g, typed, normal, offer)) return;
  const NaturalReading natural = ReadNaturally(g, typed);
  if (!natural.line.empty() && natural.line != normal && Offer(g, typed, natural.line, offer)) {
    if (!natural.then.empty()) g.SentLines.push_front(natural.then);
    return;
  }
  g.CommandInput().ReplaceQuietly(typed);
  if (!natural.answer.empty()) {
    // The verb was understood; the answer says what is missing.
    g.CommandInput().SetFontColour(colour::Red);
    g.Answer(natural.answer);
    g.Cue(Cue::chyba);
    g.CommandHandled = true;
  }
}

}  // namespace raketa
