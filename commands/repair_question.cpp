#include "commands/repair_question.h"

#include <filesystem>
#include <string>
#include <utility>

#include "commands/command_kit.h"
#include "commands/normal_form.h"
#include "commands/rocket_readiness.h"
#include "services/meters.h"
#include "world/data.h"
#include "world/game_roles.h"

namespace raketa {

namespace {

const std::string kWarningText = RepairWarningText();

std::string QuestionText(const TWorld& w) {
  // The tank is what a hasty player forgets; the cells always wait for the
  // cables.
  if (w.Fuel < 100.0f) {
    return W("Raketa se začne sunout a nádrž má jen ") + MeterFigure(w.Fuel) +
           W(" %! Napiš ano.");
  }
  return W("Raketa se pak začne sunout! Spojit kabely? Napiš ano.");
}

}  // namespace

void HearRepairAnswer(Game& g) {
  const std::string asked = std::exchange(g.RepairAsked, std::string());
  g.RepairConfirmed = false;
  // A question counts only while the hull's warning is still shown: a move,
  // a load or a new game forgets it.
  if (asked.empty() || g.RoomTextFile.Path() != kWarningText) return;
  if (g.Line() == "ano") g.CommandInput().ReplaceQuietly(asked);
  g.RepairConfirmed = g.Line() == asked || NormalForm(g.Line(), g.World.Current()) == asked;
}

void EndRepairAnswer(Game& g) { g.RepairConfirmed = false; }

bool AskedBeforeRepair(Game& g, const TItem& item) {
  const TWorld& w = g.World;
  if (item.Name != W(items::kTape) || w.CurrentRoom != kCableRoom || w.SuitWorn == 0) return false;
  if (g.RepairConfirmed || RocketReady(w) || !StoryWarnsAboutTheRepair(g)) return false;
  g.RepairAsked = g.Line();
  CloseRoomText(g);
  OpenRoomText(g, kWarningText);
  g.Answer(QuestionText(w));
  RebuildScreen(g);
  g.Cue(Cue::chyba);
  return true;
}

}  // namespace raketa
