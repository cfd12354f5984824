// The whole game: the world record, the run-time state that is never saved,
// the two file variables and the services through which the game reaches the
// machine.  Every procedure of the game works on one Game.
#pragma once

#include <cstdint>
#include <string>

#include "services/command_line.h"
#include "services/key_poll.h"
#include "services/services.h"
#include "world/command_history.h"
#include "world/files.h"
#include "world/speaking.h"
#include "world/world_record.h"

namespace raketa {

struct Game {
  explicit Game(Services& services) : io(services) {}

  Services& io;

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

  std::string TextExt;       // ".dat" outbound, ".zpt" on the way back
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
    std::string TextExt;
    std::string SaveFileName;
    std::uint8_t QuickFileCooldown = 0;
    std::uint8_t InputCooldown = 0;
    bool GameOver = false;
  } Landing;

  // The room texts' folder was missing or unreadable at start-up: said once
  // then, and the game plays on without texts instead of failing at every
  // room.
  bool TextsMissing = false;

  // Lines sent with Enter, recalled with Up and Down in play.
  CommandHistory History;
  // Which page of the help line comes next.
  int HelpPage = 0;

  // Speech for a player who cannot see the screen; F8 switches it.
  bool SpeechOn = false;
  SpeechMemory Spoken;

  // --- shortcuts the procedures use everywhere ---
  CommandLine& CommandInput() { return io.edit; }
  const std::string& Line() const { return io.edit.GetText(); }
  // Every answer is also said, when speech is on.
  void Answer(const std::string& cp1250) {
    const std::string asked = io.edit.GetText();
    io.edit.SetText(cp1250);
    if (!cp1250.empty()) SayAnswer(*this, cp1250, asked);
  }
  // Plays a cue only while sound is on.
  void Cue(raketa::Cue c) {
    if (SoundOn) io.sound.Play(c);
  }
  bool ReturnPhase() const { return TextExt == ".zpt"; }
};

}  // namespace raketa
