#include "app/autosave.h"

#include "app/hlavni.h"
#include "world/game_roles.h"

namespace raketa {

bool KeepingAllowed(const Game& g) {
  const GameStep step = CurrentStep(g);
  if (step != GameStep::Play && step != GameStep::Pause) return false;
  if (g.KeptOnLeaving) return false;
  // Before the first game there is no world to keep.
  return g.World.CurrentRoom >= 1 && g.World.CurrentRoom <= kRoomCount;
}

void KeepGame(Game& g) {
  if (KeepingAllowed(g)) WriteWorld(g, kKeptGameName);
}

bool KeptGameWaits(Game& g) {
  GameFiles& files = g.services.files;
  return files.IsFile(SaveHostPath(kKeptGameName, files.Folders().saves));
}

void KeepBeforeNewGame(Game& g) {
  try {
    KeepGame(g);
  } catch (const IoError&) {
    if (!g.AutosaveRefused) {
      g.AutosaveRefused = true;
      throw;
    }
  }
  g.AutosaveRefused = false;
}

void KeepOnLeaving(Game& g) {
  try {
    KeepGame(g);
  } catch (const IoError& e) {
    Say(g, e.Report() + ".");
    HandOverSpeech(g);
    g.services.app.ShowError(e.Report() + ".");
  }
  g.KeptOnLeaving = true;
}

std::string KeepWhenLeft(Game& g) {
  try {
    KeepGame(g);
  } catch (const IoError& e) {
    return Cp1250ToUtf8(e.Report());
  }
  return {};
}

void OfferKeptGame(Game& g) {
  if (g.ContinueOffered || !g.KeptGameWaiting) return;
  g.ContinueOffered = true;
  const std::string line = W("Uložená hra čeká: Enter pokračuje, Esc začne novou.");
  Display& d = g.services.display;
  Canvas& canvas = d.GetCanvas();
  canvas.SetBrushStyle(BrushStyle::Clear);
  canvas.SetFontSize(12);
  canvas.SetFontColour(colour::Yellow);
  canvas.TextOut(20, 366, line);
  d.ReleaseCanvas();
  Say(g, line);
}

void ContinueKeptGame(Game& g) {
  CloseRoomText(g);
  g.IntroScreen = false;
  try {
    ReadWorld(g, kKeptGameName);
  } catch (const IoError&) {
    EndIntro(g);
    throw;
  }
  // What a new game sets up, then the kept world entered as a load enters
  // it; the kept game's name is no quick-save name.
  g.TripPhase = Phase::Outbound;
  g.SaveFileName.clear();
  g.QuickFileCooldown = 100;
  g.InputCooldown = 0;
  g.SoundOn = true;
  g.Paused = false;
  g.GameOver = false;
  g.HealthRefill = g.NourishmentRefill = g.SuitOxygenRefill = g.CellChargeClamp = false;
  // Keys pressed on the intro were meant for the intro.
  g.services.keys.ForgetPresses();
  EnterLoadedWorld(g, {.narrate = true});
}

}  // namespace raketa
