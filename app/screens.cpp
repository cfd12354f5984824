// The screens besides play: the intro, the landing picture before every new
// game, the pause, the game-over screen and the departure.
#include "app/autosave.h"
#include "app/hlavni.h"
#include "services/screen_layout.h"

namespace raketa {

void StartLanding(Game& g) {
  g.LandingScreen = true;
  g.LandingCountdown = 100;
}

void EndIntro(Game& g) {
  CloseRoomText(g);
  g.IntroScreen = false;
  StartLanding(g);
  NewGame(g);  // only prepares: the landing screen is now on
}

namespace {

void HidePictureCommandLine(Game& g) {
  g.Answer("");
  g.ClearInputOnKey = true;
  g.GameOver = false;
  g.CommandInput().SetTop(screen::kHiddenCommandLineY);
  g.CommandInput().SetLeft(screen::kCommandLineX);
}

}  // namespace

void IntroStep(Game& g) {
  TextFile& text = g.RoomTextFile;
  if (g.services.keys.KeyDown(vk::Esc)) {
    // The intro's long text stops with it.
    SayAtOnce(g, W("úvod přeskočen"));
    EndIntro(g);
    return;
  }
  // A kept game is offered above the intro's text; Enter goes on with it.
  OfferKeptGame(g);
  if (g.KeptGameWaiting && g.services.keys.KeyDown(vk::Enter)) {
    ContinueKeptGame(g);
    return;
  }
  // A missing intro text has nothing to type: the intro ends.
  if (!text.IsOpen() || text.Eof()) {
    EndIntro(g);
    return;
  }
  SayRoomText(g);
  Display& d = g.services.display;
  Canvas& canvas = d.GetCanvas();
  canvas.SetBrushStyle(BrushStyle::Clear);
  canvas.SetFontSize(12);
  unsigned char c = 0;
  if (!TypewriterStep(g, c)) {
    d.ReleaseCanvas();
    return;
  }
  canvas.SetFontColour(colour::Red);
  const std::string glyph(1, static_cast<char>(c));
  canvas.TextOut(GlyphXInCell(canvas, g.TextCursorX, glyph), g.TextCursorY, glyph);
  d.ReleaseCanvas();
  d.Present();
}

void LandingStep(Game& g) {
  HidePictureCommandLine(g);
  g.DepartureScreen = false;
  --g.LandingCountdown;
  if (g.LandingCountdown == 0) g.LandingScreen = false;
  // The jingle plays even with sound switched off.
  if (g.LandingCountdown == 98) g.services.sound.Play(Cue::logo);
  Display& d = g.services.display;
  d.DrawPicture(Picture::dosedka, 0, 0);
  Canvas& canvas = d.GetCanvas();
  canvas.SetBrushStyle(BrushStyle::Clear);
  canvas.SetFontSize(16);
  if (g.LandingCountdown < 80) {
    canvas.SetFontColour(colour::Black);
    canvas.TextOut(400, 30, W("Prosím čekej....."));
    canvas.SetFontColour(colour::Red);
    canvas.TextOut(402, 32, W("Prosím čekej....."));
    Say(g, W("Prosím čekej....."));
  }
  d.ReleaseCanvas();
  StopStateCues(g);
  // Keys pressed on the intro and the landing were not meant for the game
  // that starts now.
  if (!g.LandingScreen) g.services.keys.ForgetPresses();
  NewGame(g);
  d.Present();
}

void PauseStep(Game& g) {
  if (g.services.keys.KeyDown(vk::Esc)) {
    g.Answer("");
    g.ClearInputOnKey = true;
    g.Paused = false;
  } else {
    g.Answer(W("PAUSE  ESC=POKRAČUJ"));
  }
}

void GameOverStep(Game& g) {
  KeyPoll& keys = g.services.keys;
  StopStateCues(g);
  if (keys.KeyDown(vk::F1)) {
    g.GameOver = false;
    StartLanding(g);
    return;
  }
  if (keys.KeyDown(vk::F2)) {
    std::string path;
    if (g.services.dialogs.ExecuteLoad(path)) {
      // The screen is left only once the load succeeded.
      LoadAndEnter(g, path, {.leaveGameOver = true});
    }
  }
  // Polled only to use up a press made on this screen.
  keys.KeyDown(vk::F3);
  keys.KeyDown(vk::F4);
  keys.KeyDown(vk::F5);
  if (keys.KeyDown(vk::F6) && keys.KeyDown(vk::F7)) {
    if (g.SaveFileName.empty()) {
      g.InputCooldown = 5;
      g.Answer(W("Neni zadané žádné jméno souboru.."));
      g.Cue(Cue::chyba);
      return;
    }
    LoadAndEnter(g, g.SaveFileName,
                 {.leaveGameOver = true, .leaveDeparture = true, .cooldown = true, .narrate = true});
  }
  // Backspace goes back in time, each press of it further (a press made
  // while playing was an edit of the command line and is dropped when the
  // screen first shows).
  const bool firstFrame = g.GameOver && !g.EndLinesShown;
  if (firstFrame) {
    keys.KeyPressed(vk::Backspace);
  } else if (g.GameOver && keys.KeyPressed(vk::Backspace) && GoBackAfterDeath(g)) {
    return;
  }
  if (keys.KeyDown(vk::F10)) g.services.app.Close();
  if (g.World.MinutesLeft < 1) g.Answer(W("Bohužel raketa se zřítila ze srázu..."));
  if (g.World.Health < 1) g.Answer(W("Bohužel jsi mrtvý.."));
  if (firstFrame) ShowEndLines(g);
  // The screen shows no legend; a listener needs one.
  Say(g, W("F1 nová hra. F2 nahrát uloženou hru. F6 a F7 spolu nahrají poslední uloženou hru. F10 konec."));
  if (g.GameOver && !g.Copies.Empty()) Say(g, W("Backspace vrátí hru o 30 sekund zpět."));
}

void DepartureStep(Game& g) {
  HidePictureCommandLine(g);
  Display& d = g.services.display;
  d.DrawPicture(Picture::odlet, 0, 0);
  Say(g, W("Raketa odlétá domů. Zvládl jsi to! Escape ukončí hru."));
  StopStateCues(g);
  if (g.services.keys.KeyDown(vk::Esc)) g.services.app.Close();
  d.Present();
}

}  // namespace raketa
