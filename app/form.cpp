// The main window: start-up, the frame procedure that picks one game state
// per frame, and the key-press event of the command line.
#include "app/autosave.h"
#include "app/comfort_keys.h"
#include "app/hlavni.h"
#include "app/sent_lines.h"
#include "app/speech_keys.h"
#include "services/screen_layout.h"
#include "world/room_text_name.h"

namespace raketa {

MainWindow::MainWindow(Services& services) : game(services) {}

void MainWindow::FormCreate() {
  Game& g = game;
  g.IntroScreen = true;
  g.CommandInput().SetTop(screen::kHiddenCommandLineY);
  // The pointer is hidden by the backends over the whole window.
  const std::string texts = MissingTextsFolder(g);
  if (!texts.empty()) {
    g.TextsMissing = true;
    const std::string message = "The room texts cannot be read (" + ShownPath(texts) + "); the game goes on without them.";
    SayTextsMissing(g);
    HandOverSpeech(g);
    g.services.app.ShowError(message);
  }
  try {
    OpenRoomText(g, RoomTextName(0, "", PhaseExtension(Phase::Outbound)));  // the intro
  } catch (const IoError& e) {
    // Without its text the intro simply ends at once.
    SayIoError(g, e);
    HandOverSpeech(g);
    g.services.app.ShowError(e.Report() + ".");
  }
  g.TextCursorX = screen::kNarrationX;
  g.TextCursorY = screen::kIntroY;
  g.KeptGameWaiting = KeptGameWaits(g);
  HandOverSpeech(g);
}

GameStep CurrentStep(const Game& g) {
  if (g.IntroScreen) return GameStep::Intro;
  if (g.DepartureScreen) return GameStep::Departure;
  if (g.LandingScreen) return GameStep::Landing;
  if (g.Paused) return GameStep::Pause;
  if (g.GameOver) return GameStep::GameOver;
  return GameStep::Play;
}

const char* StepName(GameStep s) {
  switch (s) {
    case GameStep::Intro: return "intro";
    case GameStep::Departure: return "departure";
    case GameStep::Landing: return "landing";
    case GameStep::Pause: return "pause";
    case GameStep::GameOver: return "gameover";
    case GameStep::Play: return "play";
  }
  return "play";
}

void MainWindow::RunFrame() {
  Game& g = game;
  if (!g.services.display.CanDraw()) return;
  SpeechFrame(g);
  SpeechKeys(g);
  switch (CurrentStep(g)) {
    case GameStep::Intro: IntroStep(g); break;
    case GameStep::Departure: DepartureStep(g); break;
    case GameStep::Landing: LandingStep(g); break;
    case GameStep::Pause: PauseStep(g); break;
    case GameStep::GameOver: GameOverStep(g); break;
    case GameStep::Play: PlayStep(g); return;
  }
  DropComfortKeys(g);
  // Lines waiting from a game that ended are not sent into the next one.
  if (CurrentStep(g) == GameStep::Landing || CurrentStep(g) == GameStep::GameOver) ForgetSentLines(g);
}

void MainWindow::FrameStep() {
  if (!framesRun_) return;
  // A failed file operation ends the step where it happened; the player is
  // told, and the next frame runs as usual.
  try {
    RunFrame();
  } catch (const IoError& e) {
    // A command interrupted by the error never reached the end of its
    // dispatch; the player's next line must still be heard.
    game.CommandHandled = false;
    SayIoError(game, e);
    // Heard while the box waits for the player.
    HandOverSpeech(game);
    game.services.app.ShowError(e.Report() + ".");
  }
  EndSpeechFrame(game);
}

void MainWindow::PanelTick() { raketa::TickMeterPanel(game); }

void MainWindow::keypress(char key) {
  Game& g = game;
  PlayerTyped(g);
  if (g.Paused) {
    g.Answer(W("PAUSE  ESC=POKRAČUJ"));
    HandOverSpeech(g);
    return;
  }
  if (g.ClearInputOnKey) {
    g.CommandInput().SetFontColour(colour::Aqua);
    g.Answer("");
    g.ClearInputOnKey = false;
    GiveBackUnfinished(g);
  }
  g.Cue(Cue::klik);
  if (CurrentStep(g) == GameStep::Play) NoteKeyForSentLines(g, key);
}

void MainWindow::StopFrames() { framesRun_ = false; }

}  // namespace raketa
