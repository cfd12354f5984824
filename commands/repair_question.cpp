#include "commands/repair_question.h"

#include <cmath>
#include <filesystem>
#include <utility>

#include "commands/command_kit.h"
#include "commands/normal_form.h"
#include "commands/rocket_readiness.h"
#include "services/game_folders.h"
#include "world/data.h"
#include "world/game_roles.h"

namespace raketa {

namespace {

const std::string kWarningText = "texty\\m33v.dat";

bool StoryWarns(const Game& g) {
  if (g.TextsMissing) return false;
  std::error_code ec;
  return std::filesystem::is_regular_file(HostPath(kWarningText, CurrentGameFolders().data), ec);
}

std::string Question(const TWorld& w) {
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
  const std::string asked = std::exchange(g.RepairAsked, std::string());
  if (asked.empty()) return;
  if (g.Line() == "ano") g.CommandInput().ReplaceQuietly(asked);
  g.RepairConfirmed = g.Line() == asked || NormalForm(g.Line(), g.World.Current()) == asked;
}

void EndRepairAnswer(Game& g) { g.RepairConfirmed = false; }

bool AskedBeforeRepair(Game& g, const TItem& item) {
  const TWorld& w = g.World;
  if (item.Name != W(items::kTape) || w.CurrentRoom != kCableRoom || w.SuitWorn == 0) return false;
  if (g.RepairConfirmed || RocketReady(w) || !StoryWarns(g)) return false;
  g.RepairAsked = g.Line();
  CloseRoomText(g);
  OpenRoomText(g, kWarningText);
  g.Answer(Question(w));
  RebuildScreen(g);
  g.Cue(Cue::chyba);
  return true;
}

}  // namespace raketa
