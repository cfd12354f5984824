#include "commands/repair_question.h"

#include <cmath>
#include <filesystem>
#include <string>
#include <utility>

#include "commands/command_kit.h"
#include "commands/normal_form.h"
#include "commands/rocket_readiness.h"
#include "world/data.h"
#include "world/game_roles.h"

namespace raketa {

namespace {

const std::string kWarningText = kRepairWarningText;

// What the question leaves between two dispatches: run-time state, never
// saved.  A question counts only while its game still shows the hull's
// warning, so a move, a load or a new game forgets it.
struct Memory {
  const Game* askedIn = nullptr;      // the game that was asked
  std::string line;                   // the line it was asked about
  const Game* confirmedIn = nullptr;  // the game whose current line confirms
};
Memory& Remembered() {
  static Memory memory;
  return memory;
}

std::string QuestionText(const TWorld& w) {
  // The tank is what a hasty player forgets; the cells always wait for the
  // cables.
  if (w.Fuel < 100.0f) {
    return W("Nádrž má jen ") + std::to_string(std::llrint(static_cast<double>(w.Fuel))) +
           W(" %! Přesto spojit kabely? Napiš ano.");
  }
  return W("Raketa se pak začne sunout! Spojit kabely? Napiš ano.");
}

}  // namespace

void HearRepairAnswer(Game& g) {
  Memory& m = Remembered();
  const Memory before = std::exchange(m, Memory{});
  if (before.askedIn != &g || g.RoomTextFile.Path() != kWarningText) return;
  if (g.Line() == "ano") g.CommandInput().ReplaceQuietly(before.line);
  if (g.Line() == before.line || NormalForm(g.Line(), g.World.Current()) == before.line) m.confirmedIn = &g;
}

void EndRepairAnswer(Game& g) {
  if (Remembered().confirmedIn == &g) Remembered().confirmedIn = nullptr;
}

bool AskedBeforeRepair(Game& g, const TItem& item) {
  const TWorld& w = g.World;
  if (item.Name != W(items::kTape) || w.CurrentRoom != kCableRoom || w.SuitWorn == 0) return false;
  Memory& m = Remembered();
  if (m.confirmedIn == &g || RocketReady(w) || !StoryWarnsAboutTheRepair(g)) return false;
  m.askedIn = &g;
  m.line = g.Line();
  CloseRoomText(g);
  OpenRoomText(g, kWarningText);
  g.Answer(QuestionText(w));
  RebuildScreen(g);
  g.Cue(Cue::chyba);
  return true;
}

}  // namespace raketa
