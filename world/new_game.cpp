// A new game from mistnosti.dat, driven by the landing screen: every landing
// frame prepares, the last one starts the game in room 1.
#include "world/data.h"

namespace raketa {

namespace {
void ArriveInFirstRoom(Game& g) {
  g.TextCursorX = 10;
  g.TextCursorY = 10;
  g.BackgroundPending = true;
  g.ClearInputOnKey = false;
  g.Edit1().SetTop(715);
  g.Edit1().SetLeft(20);
  g.CommandHandled = false;
  g.NarrationPending = true;
  g.NourishmentRefill = false;
  g.HealthRefill = false;
  g.SuitOxygenRefill = false;
  g.CellChargeClamp = false;
}
}  // namespace

void NewGame(Game& g) {
  g.TextExt = ".dat";
  g.SaveFileName.clear();
  g.QuickFileCooldown = 100;
  g.InputCooldown = 10;
  g.DepartureScreen = false;
  if (g.LandingScreen) {
    g.Edit1().SetTop(1500);
    g.Edit1().SetLeft(20);
    return;
  }
  g.SoundOn = true;
  g.Paused = false;
  g.InputCooldown = 0;
  g.GameOver = false;
  g.io.sound.Stop(Cue::mrtvy);
  g.Cue(Cue::pozadi);
  ReadNewWorld(g, "mistnosti.dat");
  CloseWorldFile(g);
  g.World.CurrentRoom = 1;
  CloseRoomText(g);
  try {
    OpenRoomText(g, "texty\\m1" + g.TextExt);
  } catch (const IoError&) {
    // Without room 1's text the game still starts; the error is reported.
    ArriveInFirstRoom(g);
    throw;
  }
  ArriveInFirstRoom(g);
}

}  // namespace raketa
