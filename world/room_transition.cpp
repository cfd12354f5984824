// Entering a room: the background loops switched to fit the room and the
// repairs, the room text opened, the screen and the command line prepared.
// The footsteps and the narration follow from the frame loop's countdown.
#include "world/data.h"
#include "world/game_roles.h"
#include "services/screen_layout.h"

namespace raketa {

void StopStateCues(Game& g) {
  for (Cue c : {Cue::pozadi, Cue::dychani, Cue::venku, Cue::unik_paliva, Cue::sirena, Cue::rychle}) {
    g.services.sound.Stop(c);
  }
}

void StartRoomLoops(Game& g, SirenOrder siren) {
  const TWorld& w = g.World;
  const int n = w.CurrentRoom;
  if (siren == SirenOrder::First && w.CablesRepaired) g.Cue(Cue::sirena);
  if (w.Room(n).Outside != 0 && n == kCableRoom) g.Cue(Cue::venku);
  if (n != kCableRoom) g.Cue(Cue::pozadi);
  if (w.SuitWorn) g.Cue(Cue::dychani);
  if (siren == SirenOrder::AfterBreathing && w.CablesRepaired) g.Cue(Cue::sirena);
  if (n == kLeakRoom && w.ValveClosed == 0 && w.GaugeReplaced == 0) g.Cue(Cue::unik_paliva);
}

void ArriveOnScreen(Game& g, int commandLineLeft) {
  g.TextCursorX = screen::kNarrationX;
  g.TextCursorY = screen::kNarrationY;
  g.BackgroundPending = true;
  g.ClearInputOnKey = false;
  g.CommandInput().SetTop(screen::kCommandLineY);
  g.CommandInput().SetLeft(commandLineLeft);
}

namespace {
void PrepareArrival(Game& g) {
  // Left 10 for one frame: the frame loop puts the line back at 20.
  ArriveOnScreen(g, screen::kArrivalCommandLineX);
  g.CommandInput().SetText("");
  // No later handler may see the line that caused the move.
  g.CommandHandled = true;
}
}  // namespace

void GoToRoom(Game& g, int n) {
  // A text that failed to open earlier left none open; that must not block
  // every later transition.
  CloseRoomText(g);
  g.StepCountdown = 30;
  g.Cue(Cue::ok);
  StopStateCues(g);
  TWorld& w = g.World;
  w.CurrentRoom = static_cast<std::uint8_t>(TWorld::ClampRoom(n));
  n = w.CurrentRoom;
  StartRoomLoops(g, SirenOrder::AfterBreathing);

  // A missing room text is reported, but the arrival is completed: the new
  // room's screen is built and the game stays playable without its text.
  try {
    OpenRoomText(g, RoomTextPath(g, n));
  } catch (const IoError&) {
    PrepareArrival(g);
    throw;
  }
  PrepareArrival(g);
}

}  // namespace raketa
