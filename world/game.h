// The whole game: the world record, the run-time state that is never saved,
// the two file variables and the services through which the game reaches the
// machine.  Every procedure of the game works on one Game.
#pragma once

#include <cstdint>
#include <deque>
#include <string>

#include "services/command_line.h"
#include "services/key_poll.h"
#include "services/services.h"
#include "world/command_history.h"
#include "world/files.h"
#include "world/phase.h"
#include "world/speaking.h"
#include "world/world_copies.h"
#include "world/world_record.h"

namespace raketa {

// What last took the player's health in a play frame: the reason a death is
// told by.
enum class HealthLoss { None, Fumes, Vacuum, Hunger };

struct Game {
  explicit Game(Services& machine) : services(machine) {}

  Services& services;

  TWorld World{};
  RecordFile WorldFile;
  TextFile RoomTextFile;

  // Screens, in the precedence of the frame procedure.
  bool IntroScreen = false;
  bool DepartureScreen = false;
  bool LandingScreen = false;
  bool Paused = false;
  bool GameOver = false;

  std::uint8_t LandingCountdown = 0;
  std::uint8_t InputCooldown = 0;
  std::uint8_t QuickFileCooldown = 0;
  std::uint8_t StepCountdown = 0;

  bool SoundOn = false;
  bool CommandHandled = false;
  bool NarrationPending = false;
  bool ClearInputOnKey = false;
  bool BackgroundPending = false;

  Phase TripPhase = Phase::None;
  std::string SaveFileName;  // file of the quick save and quick load

  std::int32_t TextCursorX = 0;
  std::int32_t TextCursorY = 0;

  // Refill requests, applied by the next panel tick.
  bool HealthRefill = false;
  bool NourishmentRefill = false;
  bool SuitOxygenRefill = false;
  bool CellChargeClamp = false;

  // What the landing screen's preparation overwrites, kept from its first
  // frame so that a refused new game can give it back.
  struct BeforeLanding {
    bool kept = false;
    Phase TripPhase = Phase::None;
    std::string SaveFileName;
    std::uint8_t QuickFileCooldown = 0;
    std::uint8_t InputCooldown = 0;
    bool GameOver = false;
  } Landing;

  // The room texts' folder was missing or unreadable at start-up: said once
  // then, and the game plays on without texts instead of failing at every
  // room.
  bool TextsMissing = false;

  // Taping the cables before the rocket is ready is asked about first: the
  // line asked about, kept for the next line only, and whether the line now
  // being dispatched confirms it.  Never saved.
  std::string RepairAsked;
  bool RepairConfirmed = false;

  // The world every ten seconds of play, for going back after a death.
  WorldCopies Copies;
  HealthLoss LastHealthLoss = HealthLoss::None;
  // The game-over screen has drawn its lines over the last play frame.
  bool EndLinesShown = false;
  // A kept game waited in the save folder at start-up, and the intro has
  // told the player so.
  bool KeptGameWaiting = false;
  bool ContinueOffered = false;
  // The game before F1 could not be kept: told once, and the next F1
  // starts the new game all the same.
  bool AutosaveRefused = false;
  // The game kept itself on its way out (F10); leaving keeps nothing more.
  bool KeptOnLeaving = false;

  // Lines sent with Enter, recalled with Up and Down in play.
  CommandHistory History;
  // Lines the player finished with Enter while a room text was still being
  // drawn and then typed on: each waits here and is sent in turn once the
  // text is done (see app/sent_lines.h).  EnterWhileTelling: the line now
  // in the command line was finished so; Unfinished: what the player was
  // typing when a waiting line was sent, given back at the next key.
  std::deque<std::string> SentLines;
  bool EnterWhileTelling = false;
  std::string Unfinished;
  // Which page of the help line comes next.
  int HelpPage = 0;
  // The last walk a command made, for "zpět": from which room into which.
  // A load or a new game moves the player elsewhere, and the walk no longer
  // counts.
  int CameFrom = 0;
  int CameInto = 0;

  // Speech for a player who cannot see the screen; F8 switches it.
  bool SpeechOn = false;
  SpeechMemory Spoken;

  // --- shortcuts the procedures use everywhere ---
  CommandLine& CommandInput() { return services.edit; }
  const std::string& Line() const { return services.edit.GetText(); }
  // Every answer is also said, when speech is on.
  void Answer(const std::string& cp1250) {
    const std::string asked = services.edit.GetText();
    services.edit.SetText(cp1250);
    if (!cp1250.empty()) SayAnswer(*this, cp1250, asked);
  }
  // Plays a cue only while sound is on.
  void Cue(raketa::Cue c) {
    if (SoundOn) services.sound.Play(c);
  }
  bool ReturnPhase() const { return TripPhase == Phase::Return; }
};

}  // namespace raketa
