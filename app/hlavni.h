// The main window: start-up, the frame procedure with its game states,
// the panel procedure, the key-press event of the command line, the screens,
// the function keys and the life-support meters.
#pragma once

#include "world/data.h"

namespace raketa {

class MainWindow {
 public:
  explicit MainWindow(Services& services);

  Game game;

  // Start-up: intro state, command line hidden below the screen, intro text.
  void FormCreate();
  // The frame procedure, at most once a frame period (services/game_clock.h)
  // while the window has focus.
  // A failed file operation is reported through the error box and the next
  // frame runs as usual.
  void FrameStep();
  // The panel procedure, every panel period.
  void PanelTick();
  // Raised by the command line before each typed character is inserted.
  void keypress(char key);
  // The window is going away: no frame runs any more.
  void StopFrames();
  bool FramesRun() const { return framesRun_; }

 private:
  void RunFrame();
  bool framesRun_ = true;
};

// Which step the frame procedure would run now, by the flags' precedence.
enum class GameStep { Intro, Departure, Landing, Pause, GameOver, Play };
GameStep CurrentStep(const Game& g);
const char* StepName(GameStep s);

// --- the steps ---
void PlayStep(Game& g);
void IntroStep(Game& g);
void LandingStep(Game& g);
void PauseStep(Game& g);
void GameOverStep(Game& g);
void DepartureStep(Game& g);
// The landing screen's hundred frames begin; a new game follows them.
void StartLanding(Game& g);
// The intro ends towards the landing screen and a new game.
void EndIntro(Game& g);
// The game-over screen's own lines: why the game ended and what to press.
void ShowEndLines(Game& g);

// --- play ---
void DispatchCommand(Game& g);
// The command handlers alone, in their fixed order, each while the line is
// still unhandled.
void OfferToHandlers(Game& g);
// True when the frame ends here.
bool FunctionKeys(Game& g);
void LoadGameDialog(Game& g);
// Loading a saved game and entering its room as on arrival; the ways to
// load differ only in what they leave behind.
struct LoadEntry {
  bool remember = false;        // the file becomes the quick-save file
  bool leaveGameOver = false;   // loaded from the game-over screen
  bool leaveDeparture = false;
  bool cooldown = false;        // input waits 5 frames
  bool narrate = false;         // the room's text shows at once
};
void LoadAndEnter(Game& g, const std::string& path, const LoadEntry& how);
// The same after the world was read (the world file still open).
void EnterLoadedWorld(Game& g, const LoadEntry& how);
// Backspace on the game-over screen: the world as it was about 30 s of play
// before the end, its room entered as a load enters it.  False when there
// is nothing to go back to.
bool GoBackAfterDeath(Game& g);
void SaveGameDialog(Game& g);
// True when it turned the sound off (the frame ends).
bool ToggleSound(Game& g);
bool QuickSave(Game& g);
bool QuickLoad(Game& g);

// --- life support ---
void LifeSupportTick(Game& g);
void TickMeterPanel(Game& g);

}  // namespace raketa
