// The game as a backend sees it: started once, then driven by the frame
// step, the panel tick and the keys the command line does not keep. The
// wiring (the program's main, the test support) makes it; a backend only
// drives it through this, and knows nothing else of the game.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "services/game_clock.h"
#include "services/services.h"

namespace raketa {

class GameRunner {
 public:
  virtual ~GameRunner() = default;
  // Shows the intro and the first picture.
  virtual void Start() = 0;
  // One frame of the game, every game_clock::kFrameMs while frames run.
  virtual void Frame() = 0;
  // The panel tick, every game_clock::kPanelMs (meters, refills).
  virtual void PanelTick() = 0;
  // A key the command line passes on to the game.
  virtual void KeyPress(char key) = 0;
  // Whether frames run now (they stop while a dialog is open).
  virtual bool FramesRun() const = 0;
  // Lets go of what the game holds before the window closes.
  virtual void Finish() = 0;
  // The player left without the game's own keys (the window's close
  // button, a signal, the page closed or hidden): a running game is kept
  // in the save folder for the next start.  Returns what went wrong, empty
  // when nothing did.
  virtual std::string KeepForLater() = 0;

  virtual bool SpeechOn() const = 0;
  virtual void SetSpeechOn(bool on) = 0;

  // What a trace notes about the game: the step it is in, the room, the
  // text phase (".dat" outbound, ".zpt" back) and the world record's bytes.
  virtual const char* StepName() const = 0;
  virtual int Room() const = 0;
  virtual const std::string& Phase() const = 0;
  virtual std::string WorldBytes() const = 0;
};

// Makes the game on the services a backend built.
using GameFactory = std::function<std::unique_ptr<GameRunner>(Services&)>;

}  // namespace raketa
