// The function keys of play: new game, load and save through the dialogs,
// pause, end, sound, quick save and quick load.
#include "app/autosave.h"
#include "app/hlavni.h"

namespace raketa {

namespace {
void NoFileName(Game& g) {
  g.InputCooldown = 5;
  g.Answer(W("Neni zadané žádné jméno souboru.."));
  // Replaced by the next key, as every other answer is.
  g.ClearInputOnKey = true;
  g.Cue(Cue::chyba);
}
}  // namespace

namespace {
// The loaded world entered as on arrival; `fromFile` when the world file is
// still open and must be closed.
void EnterWorld(Game& g, const LoadEntry& how, bool fromFile) {
  PhaseFromWorld(g);
  g.LastHealthLoss = HealthLoss::None;
  if (how.leaveGameOver) g.GameOver = false;
  if (how.leaveDeparture) g.DepartureScreen = false;
  // A missing room text stops the text, not the load.
  WholeStep([&] { GoToRoom(g, g.World.CurrentRoom); },
            [&] {
              if (how.cooldown) g.InputCooldown = 5;
              if (fromFile) CloseWorldFile(g);
              if (how.narrate) {
                g.CommandHandled = false;
                g.NarrationPending = true;
              }
            });
}
}  // namespace

void EnterLoadedWorld(Game& g, const LoadEntry& how) {
  // Going back after a death stays inside the game that was loaded.
  g.Copies.Clear();
  EnterWorld(g, how, true);
}

void LoadAndEnter(Game& g, const std::string& path, const LoadEntry& how) {
  ReadWorld(g, path);
  if (how.remember) g.SaveFileName = path;
  EnterLoadedWorld(g, how);
}

bool GoBackAfterDeath(Game& g) {
  if (!g.Copies.Back(g.World)) return false;
  EnterWorld(g, {.leaveGameOver = true, .cooldown = true, .narrate = true}, false);
  return true;
}

void LoadGameDialog(Game& g) {
  std::string path;
  if (!g.services.dialogs.ExecuteLoad(path)) return;
  LoadAndEnter(g, path, {.remember = true, .narrate = true});
}

void SaveGameDialog(Game& g) {
  std::string path;
  if (!g.services.dialogs.ExecuteSave(path)) return;
  WriteWorld(g, path);
  g.SaveFileName = path;
  g.InputCooldown = 5;
  g.Answer(W("Ok uloženo.."));
  g.ClearInputOnKey = true;
  g.Cue(Cue::ok);
}

bool ToggleSound(Game& g) {
  if (g.SoundOn) {
    StopStateCues(g);
    g.SoundOn = false;
    return true;
  }
  g.SoundOn = true;
  StartRoomLoops(g, SirenOrder::First);
  return false;
}

bool QuickSave(Game& g) {
  g.QuickFileCooldown = 50;
  if (g.SaveFileName.empty()) {
    NoFileName(g);
    return true;
  }
  WriteWorld(g, g.SaveFileName);
  g.InputCooldown = 5;
  g.Answer(W("Ok uloženo do souboru ") + ShownPath(SaveHostPath(g.SaveFileName)));
  g.ClearInputOnKey = true;
  g.Cue(Cue::ok);
  return false;
}

bool QuickLoad(Game& g) {
  g.QuickFileCooldown = 50;
  if (g.SaveFileName.empty()) {
    NoFileName(g);
    return true;
  }
  LoadAndEnter(g, g.SaveFileName, {.cooldown = true, .narrate = true});
  return false;
}

bool FunctionKeys(Game& g) {
  KeyPoll& keys = g.services.keys;
  if (keys.KeyDown(vk::F1)) {
    KeepBeforeNewGame(g);
    StartLanding(g);
    return true;
  }
  if (keys.KeyDown(vk::F2)) LoadGameDialog(g);
  if (keys.KeyDown(vk::F3)) SaveGameDialog(g);
  if (keys.KeyDown(vk::F4)) {
    g.Paused = true;
    PauseStep(g);
    return true;
  }
  if (keys.KeyDown(vk::F10)) {
    KeepOnLeaving(g);
    g.services.app.Close();
  }
  if (keys.KeyDown(vk::F5) && ToggleSound(g)) return true;
  if (keys.KeyDown(vk::F6) && g.QuickFileCooldown == 0 && QuickSave(g)) return true;
  if (keys.KeyDown(vk::F7) && g.QuickFileCooldown == 0 && QuickLoad(g)) return true;
  return false;
}

}  // namespace raketa
