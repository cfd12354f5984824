// The frame procedure: which step runs, when Enter is accepted, the
// key-press rules of the command line and the key poll's latch.
#include <gtest/gtest.h>

#include "support/rig.h"
#include "support/tiny_world.h"

namespace raketa::test {
namespace {

TEST(FrameLoop, StatePrecedence) {
  struct Case {
    bool intro, departure, landing, paused, gameOver;
    GameStep step;
  };
  const Case cases[] = {
      {true, true, true, true, true, GameStep::Intro},
      {false, true, true, true, true, GameStep::Departure},
      {false, false, true, true, true, GameStep::Landing},
      {false, false, false, true, true, GameStep::Pause},
      {false, false, false, false, true, GameStep::GameOver},
      {false, false, false, false, false, GameStep::Play},
  };
  for (const Case& c : cases) {
    Rig rig;
    rig.g.IntroScreen = c.intro;
    rig.g.DepartureScreen = c.departure;
    rig.g.LandingScreen = c.landing;
    rig.g.Paused = c.paused;
    rig.g.GameOver = c.gameOver;
    EXPECT_EQ(CurrentStep(rig.g), c.step);
  }
}

TEST(FrameLoop, AFrameThatCannotDrawDoesNothing) {
  Rig rig;
  rig.StartPlay(7);
  rig.display.canDraw = false;
  float health = rig.w.Health;
  rig.keys.Press(vk::Enter);
  rig.runner.Frame();
  EXPECT_EQ(rig.w.Health, health);
  EXPECT_TRUE(rig.keys.KeyDown(vk::Enter));  // not polled by the skipped frame
  EXPECT_EQ(rig.display.presents, 0);
}

TEST(FrameLoop, EnterHeldDispatchesEveryFiveFrames) {
  Rig rig;
  rig.StartPlay(2);
  rig.Type("xyz");
  rig.keys.Press(vk::Enter);  // held down
  int answers = 0;
  for (int i = 0; i < 20; ++i) {
    rig.ClearLogs();
    rig.Frame();
    for (Cue c : rig.Played()) answers += c == Cue::chyba;
  }
  EXPECT_EQ(answers, 4);
}

TEST(FrameLoop, EnterDuringNarrationWaitsForItsEnd) {
  Rig rig;
  rig.StartPlay(2);
  WriteFile("texty/m2.dat", "abc");
  OpenRoomText(rig.g, "texty\\m2.dat");
  rig.w.Room(2).FirstVisit = 1;
  rig.g.NarrationPending = true;
  rig.Type("xyz");
  rig.PressEnter();
  rig.Frame(3);  // three characters typed, the press still waiting
  EXPECT_EQ(rig.LineUtf8(), "xyz");
  rig.Frame(2);  // the narration ends, then Enter is polled
  EXPECT_EQ(rig.LineUtf8(), "nechápu co mám dělat ...");
  EXPECT_EQ(rig.edit.FontColour(), colour::Red);
}

TEST(FrameLoop, DispatchWithCommandAlreadyHandledRunsNoHandler) {
  Rig rig;
  rig.StartPlay(2);
  rig.g.CommandHandled = true;  // as left by a load on the game-over screen
  rig.Command("xyz");
  EXPECT_EQ(rig.LineUtf8(), "xyz");
  EXPECT_FALSE(rig.g.CommandHandled);
  EXPECT_TRUE(rig.g.ClearInputOnKey);
  EXPECT_EQ(rig.g.InputCooldown, 5);
}

TEST(FrameLoop, KeyPressClearsTheAnswerAndClicks) {
  Rig rig;
  rig.StartPlay(2);
  rig.Command("xyz");
  rig.ClearLogs();
  rig.Type("A");
  EXPECT_EQ(rig.LineUtf8(), "a");
  EXPECT_EQ(rig.edit.FontColour(), colour::Aqua);
  EXPECT_EQ(rig.Played(), std::vector<Cue>{Cue::klik});
  rig.g.SoundOn = false;
  rig.ClearLogs();
  rig.Type("b");
  EXPECT_TRUE(rig.Played().empty());
}

TEST(CommandLine, LowerCasesCzechAndHoldsFiftyCharacters) {
  CommandLine line;
  int raised = 0;
  line.OnKeyPress = [&](char) { ++raised; };
  for (char c : Utf8ToCp1250("ČEŠTINA Žluť")) line.TypeChar(static_cast<unsigned char>(c));
  EXPECT_EQ(Cp1250ToUtf8(line.GetText()), "čeština žluť");
  for (int i = 0; i < 60; ++i) line.TypeChar('x');
  EXPECT_EQ(line.GetText().size(), CommandLine::kMaxLength);
  EXPECT_EQ(raised, 12 + 60);  // raised for every key, also past the limit
  line.CaretHome();
  line.Delete();
  line.Backspace();  // at the start: nothing to remove
  EXPECT_EQ(line.GetText().size(), CommandLine::kMaxLength - 1);
  line.CaretEnd();
  line.Backspace();
  EXPECT_EQ(line.GetText().size(), CommandLine::kMaxLength - 2);
}

TEST(KeyPoll, AShortPressIsReportedOnceAtTheNextPoll) {
  KeyPoll keys;
  keys.Press(vk::F6);
  keys.Release(vk::F6);
  EXPECT_TRUE(keys.KeyDown(vk::F6));
  EXPECT_FALSE(keys.KeyDown(vk::F6));
  keys.Press(vk::F7);  // held
  EXPECT_TRUE(keys.KeyDown(vk::F7));
  EXPECT_TRUE(keys.KeyDown(vk::F7));
  keys.Release(vk::F7);
  EXPECT_FALSE(keys.KeyDown(vk::F7));
}

TEST(FrameLoop, ReturnPhaseAcceptsOnlyMovement) {
  Rig rig;
  rig.StartPlay(2);
  rig.g.TripPhase = Phase::Return;
  rig.Command("prohledej místnost");
  EXPECT_EQ(rig.LineUtf8(), "sakra spěchej do kabiny...");
  EXPECT_EQ(rig.edit.FontColour(), colour::Red);
  EXPECT_EQ(rig.w.Room(2).Searched, 0);
}

TEST(FrameLoop, PhaseSwitchWaitsOutsideRoom33) {
  Rig rig;
  rig.StartPlay(33);
  rig.w.Fuel = 100;
  rig.w.CellCharge = 100;
  rig.w.SuitWorn = 1;
  rig.w.GaugeReplaced = 1;
  rig.w.CablesRepaired = 1;
  rig.Frame(3);
  EXPECT_EQ(rig.g.TripPhase, Phase::Outbound);
  rig.w.CurrentRoom = 32;
  rig.Frame();
  EXPECT_EQ(rig.g.TripPhase, Phase::Return);
}

TEST(FrameLoop, ReachingRoom1OnTheWayBackDeparts) {
  Rig rig;
  rig.StartPlay(1);
  rig.g.TripPhase = Phase::Return;
  rig.ClearLogs();
  rig.Frame();
  EXPECT_TRUE(rig.g.DepartureScreen);
  EXPECT_EQ(rig.display.presents, 0);  // the frame ends without presenting
  EXPECT_EQ(rig.Played(), std::vector<Cue>{Cue::logo});
  rig.ClearLogs();
  rig.runner.Frame();
  ASSERT_FALSE(rig.display.ops.empty());
  EXPECT_EQ(rig.display.ops[0].kind, DrawOp::Picture);
  EXPECT_EQ(rig.display.ops[0].picture, Picture::odlet);
  rig.PressKey(vk::F10);
  rig.PressKey(vk::Enter);
  rig.Frame();
  EXPECT_FALSE(rig.app.Closing());
  rig.PressKey(vk::Esc);
  rig.Frame();
  EXPECT_TRUE(rig.app.Closing());
}

TEST(FrameLoop, F10LetsTheRestOfThePlayStepRun) {
  Rig rig;
  rig.StartPlay(7);
  float health = rig.w.Health;
  rig.PressKey(vk::F10);
  rig.Frame();
  EXPECT_TRUE(rig.app.Closing());
  EXPECT_LT(rig.w.Health, health);
}

TEST(FrameLoop, AFailedFileOperationIsReportedAndTheNextFrameRuns) {
  Rig rig;
  rig.StartPlay(2);
  rig.g.SaveFileName = "nowhere/x.sav";
  rig.PressKey(vk::F7);
  rig.Frame();
  ASSERT_EQ(rig.app.errors.size(), 1u);
  EXPECT_EQ(rig.app.errors[0], "File not found (nowhere/x.sav).");
  rig.Frame(60);  // cooldown over, no new report without a new press
  EXPECT_EQ(rig.app.errors.size(), 1u);
  EXPECT_EQ(rig.w.CurrentRoom, 2);
}

}  // namespace
}  // namespace raketa::test
