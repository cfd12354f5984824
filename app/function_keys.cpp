// The function keys of play: new game, load and save through the dialogs,
// pause, end, sound, quick save and quick load.
#include "app/hlavni.h"

namespace raketa {

namespace {
void NoFileName(Game& g) {
  g.InputCooldown = 5;
  g.Answer(W("Neni zadané žádné jméno souboru.."));
  g.Cue(Cue::chyba);
}
}  // namespace

void LoadGameDialog(Game& g) {
  std::string path;
  if (!g.io.dialogs.ExecuteLoad(path)) return;
  ReadWorld(g, path);
  PhaseFromWorld(g);
  g.SaveFileName = path;
  // A missing room text stops the text, not the load.
  WholeStep([&] { GoToRoom(g, g.World.CurrentRoom); },
            [&] {
              CloseWorldFile(g);
              g.CommandHandled = false;
              g.NarrationPending = true;
            });
}

void SaveGameDialog(Game& g) {
  std::string path;
  if (!g.io.dialogs.ExecuteSave(path)) return;
  WriteWorld(g, path);
  g.SaveFileName = path;
  g.InputCooldown = 5;
  g.Answer(W("Ok uloženo.."));
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
  ReadWorld(g, g.SaveFileName);
  PhaseFromWorld(g);
  WholeStep([&] { GoToRoom(g, g.World.CurrentRoom); },
            [&] {
              g.InputCooldown = 5;
              CloseWorldFile(g);
              g.CommandHandled = false;
              g.NarrationPending = true;
            });
  return false;
}

bool FunctionKeys(Game& g) {
  KeyPoll& keys = g.io.keys;
  if (keys.KeyDown(vk::F1)) {
    g.LandingCountdown = 100;
    g.LandingScreen = true;
    return true;
  }
  if (keys.KeyDown(vk::F2)) LoadGameDialog(g);
  if (keys.KeyDown(vk::F3)) SaveGameDialog(g);
  if (keys.KeyDown(vk::F4)) {
    g.Paused = true;
    PauseStep(g);
    return true;
  }
  if (keys.KeyDown(vk::F10)) g.io.app.Close();
  if (keys.KeyDown(vk::F5) && ToggleSound(g)) return true;
  if (keys.KeyDown(vk::F6) && g.QuickFileCooldown == 0 && QuickSave(g)) return true;
  if (keys.KeyDown(vk::F7) && g.QuickFileCooldown == 0 && QuickLoad(g)) return true;
  return false;
}

}  // namespace raketa
