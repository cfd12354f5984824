#include "commands/second_reading.h"

#include "commands/comfort_lines.h"
#include "commands/normal_form.h"

namespace raketa {

void ReadAgainInNormalForm(Game& g, void (*offer)(Game&)) {
  const std::string typed = g.Line();
  const std::string normal = NormalForm(typed, g.World.Current());
  // The handlers read the command line; the player sees the normal form
  // only through the answer it gets.  A line already in its normal form was
  // refused by them once and is only offered to the comfort lines.
  if (normal != typed) {
    g.CommandInput().ReplaceQuietly(normal);
    offer(g);
  }
  if (!g.CommandHandled) ComfortLineCommand(g);
  if (!g.CommandHandled || g.Line() == normal) {
    // Refused, or accepted without an answer: the line as the player typed
    // it, then (if accepted) its normal form shown as a change.
    g.CommandInput().ReplaceQuietly(typed);
    if (g.CommandHandled) g.Answer(normal);
  }
}

}  // namespace raketa
