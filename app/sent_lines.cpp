#include "app/sent_lines.h"

#include "world/data.h"

namespace raketa {

void NoteKeyForSentLines(Game& g, char key) {
  if (key == '\r') {
    // A line finished while the text is drawn, or while others wait.
    if ((g.NarrationPending || !g.SentLines.empty()) && !g.Line().empty()) g.EnterWhileTelling = true;
    return;
  }
  if (key == '\b' || key == '\x1b' || !g.EnterWhileTelling) return;
  g.SentLines.push_back(g.Line());
  g.EnterWhileTelling = false;
  g.CommandInput().SetText("");
}

bool SendWaitingLine(Game& g, void (*send)(Game&)) {
  if (g.SentLines.empty()) return false;
  if (g.NarrationPending || g.InputCooldown != 0) return true;
  // The press that closed the line is used up by sending it.
  g.services.keys.KeyPressed(vk::Enter);
  if (g.EnterWhileTelling) {
    g.SentLines.push_back(g.Line());
    g.EnterWhileTelling = false;
    g.CommandInput().SetText("");
  }
  if (g.Unfinished.empty() && !g.ClearInputOnKey) g.Unfinished = g.Line();
  const std::string line = g.SentLines.front();
  g.SentLines.pop_front();
  g.CommandInput().SetFontColour(colour::Aqua);
  g.CommandInput().SetText(line);
  g.ClearInputOnKey = false;
  send(g);
  return true;
}

void GiveBackUnfinished(Game& g) {
  if (g.Unfinished.empty() || !g.SentLines.empty()) return;
  g.CommandInput().SetText(g.Unfinished);
  g.Unfinished.clear();
}

void ForgetSentLines(Game& g) {
  g.SentLines.clear();
  g.EnterWhileTelling = false;
  g.Unfinished.clear();
}

}  // namespace raketa
