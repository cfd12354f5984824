// A new game from mistnosti.dat, driven by the landing screen: every landing
// frame prepares, the last one starts the game in room 1.
#include "world/data.h"
#include "world/game_roles.h"
#include "services/screen_layout.h"
#include "world/room_text_name.h"

namespace raketa {

namespace {
void ArriveInFirstRoom(Game& g) {
  ArriveOnScreen(g, screen::kCommandLineX);
  g.CommandHandled = false;
  g.NarrationPending = true;
  g.NourishmentRefill = false;
  g.HealthRefill = false;
  g.SuitOxygenRefill = false;
  g.CellChargeClamp = false;
  // Going back after a death stays inside this game.
  g.Copies.Clear();
  g.LastHealthLoss = HealthLoss::None;
}

// The world file was refused: the game goes on where it stood, with its
// phase, its quick-save name and its keys, in its room as after a load.
void KeepPlaying(Game& g) {
  const Game::BeforeLanding& k = g.Landing;
  g.TripPhase = k.TripPhase;
  g.SaveFileName = k.SaveFileName;
  g.QuickFileCooldown = k.QuickFileCooldown;
  g.InputCooldown = k.InputCooldown;
  g.GameOver = k.GameOver;
  if (g.World.CurrentRoom < 1 || g.World.CurrentRoom > kRoomCount) return;  // no world yet
  try {
    GoToRoom(g, g.World.CurrentRoom);
  } catch (const IoError&) {
    // The refused world file is the error to report; the room's own text
    // was reported when the room was entered.
  }
  g.CommandHandled = false;
}

}  // namespace

void NewGame(Game& g) {
  if (!g.Landing.kept) {
    g.Landing = {true, g.TripPhase, g.SaveFileName, g.QuickFileCooldown, g.InputCooldown, g.GameOver};
  }
  g.TripPhase = Phase::Outbound;
  g.SaveFileName.clear();
  g.QuickFileCooldown = 100;
  g.InputCooldown = 10;
  g.DepartureScreen = false;
  if (g.LandingScreen) {
    g.CommandInput().SetTop(screen::kHiddenCommandLineY);
    g.CommandInput().SetLeft(screen::kCommandLineX);
    return;
  }
  g.Landing.kept = false;
  // The world file first: a refused one changes nothing the game had.
  try {
    ReadNewWorld(g, "mistnosti.dat");
  } catch (const IoError&) {
    KeepPlaying(g);
    throw;
  }
  g.SoundOn = true;
  g.Paused = false;
  g.InputCooldown = 0;
  g.GameOver = false;
  g.services.sound.Stop(Cue::mrtvy);
  g.Cue(Cue::pozadi);
  CloseWorldFile(g);
  g.World.CurrentRoom = kStartRoom;
  CloseRoomText(g);
  try {
    OpenRoomText(g, RoomTextName(kStartRoom, "", PhaseExtension(g.TripPhase)));
  } catch (const IoError&) {
    // Without room 1's text the game still starts; the error is reported.
    ArriveInFirstRoom(g);
    throw;
  }
  ArriveInFirstRoom(g);
}

}  // namespace raketa
