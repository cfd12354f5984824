#include "commands/rocket_readiness.h"

#include "services/meters.h"
#include "world/data.h"
#include "world/game_roles.h"
#include "world/room_text_name.h"

namespace raketa {

namespace {

// As the meter panel draws it.
std::string Percent(float value) { return MeterFigure(value) + " %"; }

}  // namespace

std::string RepairWarningText() { return RoomTextName(kCableRoom, "v", PhaseExtension(Phase::Outbound)); }

bool StoryWarnsAboutTheRepair(const Game& g) {
  if (g.TextsMissing) return false;
  GameFiles& files = g.services.files;
  return files.IsFile(HostPath(RepairWarningText(), files.Folders().data));
}

bool RocketReady(const TWorld& w) { return w.Fuel >= 100.0f && w.CellCharge >= 100.0f; }

std::string WhatTheRocketLacks(const TWorld& w) {
  const bool fuel = w.Fuel < 100.0f;
  const bool cells = w.CellCharge < 100.0f;
  // Both in one short line: the command line is narrow.
  if (fuel && cells) return W("nádrž má jen " + Percent(w.Fuel) + " a články " + Percent(w.CellCharge));
  if (fuel) return W("nádrž je plná jen na " + Percent(w.Fuel));
  if (cells) return W("články jsou nabité jen na " + Percent(w.CellCharge));
  return {};
}

void SayWhyTheEnginesWait(Game& g) {
  const TWorld& w = g.World;
  if (w.CurrentRoom != kStartRoom || w.CablesRepaired == 0 || g.ReturnPhase() || RocketReady(w)) return;
  if (!StoryWarnsAboutTheRepair(g)) return;
  g.Answer(W("Motory nenaskočí: ") + WhatTheRocketLacks(w) + ".");
}

}  // namespace raketa
