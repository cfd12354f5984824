// Entering a room and starting a new game: the loops switched by room and
// repairs, the text opened, the footsteps and the narration that follow.
#include <gtest/gtest.h>

#include <filesystem>

#include "support/rig.h"
#include "support/tiny_world.h"

namespace raketa::test {
namespace {

const std::vector<RecordingSound::Call> kStops = {
    {false, Cue::pozadi}, {false, Cue::dychani}, {false, Cue::venku},
    {false, Cue::unik_paliva}, {false, Cue::sirena}, {false, Cue::rychle},
};

struct CueCase {
  const char* name;
  int room;
  bool outside, suit, valveClosed, gauge, cables, sound;
  std::vector<Cue> plays;  // after the six stops
  std::string text;
};

TEST(RoomTransition, LoopsFitTheRoomAndTheRepairs) {
  const CueCase cases[] = {
      {"plain room", 12, false, false, false, false, false, true, {Cue::pozadi}, "Mistnost 12\r\n"},
      {"leak in 7", 7, false, false, false, false, false, true, {Cue::pozadi, Cue::unik_paliva}, "Mistnost 7\r\n"},
      {"valve closed in 7", 7, false, false, true, false, false, true, {Cue::pozadi}, "Mistnost 7\r\n"},
      {"gauge replaced in 7", 7, false, false, false, true, false, true, {Cue::pozadi}, "Po oprave 7\r\n"},
      {"outside 33", 33, true, true, true, true, false, true, {Cue::venku, Cue::dychani}, "Mistnost 33\r\n"},
      {"33 not outside", 33, false, false, true, true, false, true, {}, "Mistnost 33\r\n"},
      {"33 after the cables", 33, true, true, true, true, true, true, {Cue::venku, Cue::dychani, Cue::sirena},
       "Po oprave 33\r\n"},
      {"29 after the cables", 29, false, false, true, true, true, true, {Cue::pozadi, Cue::sirena}, "Po oprave 29\r\n"},
      {"34 outside gets the hum", 34, true, false, true, true, false, true, {Cue::pozadi}, "Mistnost 34\r\n"},
      {"sound off plays nothing", 7, false, true, false, false, true, false, {}, "Mistnost 7\r\n"},
  };
  for (const CueCase& c : cases) {
    SCOPED_TRACE(c.name);
    Rig rig;
    InstallWorld(TinyWorld());
    rig.StartPlay(1);
    rig.g.SoundOn = c.sound;
    rig.w.Room(c.room).Outside = c.outside;
    rig.w.SuitWorn = c.suit;
    rig.w.ValveClosed = c.valveClosed;
    rig.w.GaugeReplaced = c.gauge;
    rig.w.CablesRepaired = c.cables;
    rig.Type("sever");
    rig.ClearLogs();
    GoToRoom(rig.g, c.room);
    std::vector<RecordingSound::Call> expected;
    if (c.sound) expected.push_back({true, Cue::ok});
    expected.insert(expected.end(), kStops.begin(), kStops.end());
    for (Cue p : c.plays) expected.push_back({true, p});
    EXPECT_EQ(rig.sound.calls, expected);
    EXPECT_EQ(rig.w.CurrentRoom, c.room);
    EXPECT_EQ(rig.LineUtf8(), "");
    EXPECT_EQ(rig.edit.Left(), 10);
    EXPECT_TRUE(rig.g.CommandHandled);
    EXPECT_TRUE(rig.g.BackgroundPending);
    EXPECT_EQ(rig.g.StepCountdown, 30);
    // The text opened is the one the room shows.
    std::string text;
    while (!rig.g.RoomTextFile.Eof()) text.push_back(static_cast<char>(rig.g.RoomTextFile.ReadChar()));
    EXPECT_EQ(text, c.text);

    // F5 off and on again in the room restarts the same loops, but the
    // siren comes first.
    if (!c.sound) continue;
    rig.ClearLogs();
    EXPECT_TRUE(ToggleSound(rig.g));
    EXPECT_FALSE(ToggleSound(rig.g));
    std::vector<RecordingSound::Call> again = kStops;
    if (c.cables) again.push_back({true, Cue::sirena});
    for (Cue p : c.plays) {
      if (p != Cue::sirena) again.push_back({true, p});
    }
    EXPECT_EQ(rig.sound.calls, again);
  }
}

TEST(RoomTransition, FootstepsNextFrameAndNarration28FramesLater) {
  for (bool cables : {false, true}) {
    Rig rig;
    InstallWorld(TinyWorld());
    rig.StartPlay(1);
    rig.w.CablesRepaired = cables;
    rig.w.Room(2).FirstVisit = 0;
    GoToRoom(rig.g, 2);
    rig.ClearLogs();
    rig.Frame();  // background drawn, countdown at 29
    ASSERT_FALSE(rig.display.ops.empty());
    EXPECT_EQ(rig.display.ops[0].picture, Picture::pozadi);
    EXPECT_FALSE(rig.g.BackgroundPending);
    rig.ClearLogs();
    rig.Frame();
    EXPECT_EQ(rig.Played(), std::vector<Cue>{cables ? Cue::rychle : Cue::kroky});
    rig.Frame(26);
    EXPECT_FALSE(rig.g.NarrationPending);
    rig.ClearLogs();
    rig.Frame();  // the 28th frame after the move: the text is drawn at once
    auto texts = rig.DrawnTexts();
    EXPECT_NE(std::find(texts.begin(), texts.end(), "M"), texts.end());
    EXPECT_FALSE(rig.g.NarrationPending);
  }
}

TEST(RoomTransition, AMissingTextIsReportedOnceAndTheRoomIsStillEntered) {
  Rig rig;
  InstallWorld(TinyWorld());
  std::filesystem::remove("texty/m2.dat");
  rig.w = TinyWorld();
  rig.StartPlay(1);
  rig.Command("sever");
  ASSERT_EQ(rig.app.errors.size(), 1u);
  EXPECT_EQ(rig.app.errors[0], "File not found (texty/m2.dat).");
  EXPECT_EQ(rig.w.CurrentRoom, 2);
  rig.Frame(40);
  EXPECT_EQ(rig.app.errors.size(), 1u);
  EXPECT_FALSE(rig.g.NarrationPending);
  rig.Command("jih");  // and the way back works
  rig.Frame(40);
  EXPECT_EQ(rig.w.CurrentRoom, 1);
  EXPECT_EQ(rig.app.errors.size(), 1u);
}

TEST(NewGame, LandingFramesPrepareAndTheLastOneStarts) {
  Rig rig;
  InstallWorld(TinyWorld());
  rig.StartPlay(5);
  rig.w.Health = 3;
  rig.g.TripPhase = Phase::Return;
  rig.g.SaveFileName = "x.sav";
  rig.g.SoundOn = false;
  rig.g.GameOver = true;
  rig.PressKey(vk::F1);
  rig.g.GameOver = false;
  rig.Frame();  // F1 in play
  EXPECT_TRUE(rig.g.LandingScreen);
  for (int i = 0; i < 99; ++i) {
    rig.Frame();
    EXPECT_EQ(rig.g.TripPhase, Phase::Outbound);
    EXPECT_TRUE(rig.g.SaveFileName.empty());
    EXPECT_EQ(rig.w.Health, 3);  // the world is not touched before the end
    EXPECT_EQ(rig.edit.Top(), 1500);
  }
  rig.Frame();  // the hundredth
  EXPECT_FALSE(rig.g.LandingScreen);
  EXPECT_EQ(rig.w.CurrentRoom, 1);
  EXPECT_EQ(rig.w.Health, 100);
  EXPECT_TRUE(rig.g.SoundOn);
  EXPECT_TRUE(rig.g.NarrationPending);
  EXPECT_EQ(rig.g.QuickFileCooldown, 100);
  EXPECT_EQ(rig.edit.Top(), 715);
  EXPECT_EQ(CurrentStep(rig.g), GameStep::Play);
}

TEST(NewGame, WithoutAWorldFileThePlayerCanOnlyStartAgainOrLeave) {
  Rig rig;
  InstallWorld(TinyWorld());
  std::filesystem::remove("mistnosti.dat");
  rig.g.LandingScreen = true;
  rig.g.LandingCountdown = 1;
  rig.Frame();
  ASSERT_EQ(rig.app.errors.size(), 1u);
  EXPECT_EQ(rig.app.errors[0], "File not found (mistnosti.dat).");
  rig.Frame(50);  // no room 0 is ever entered, no report on every frame
  EXPECT_EQ(rig.app.errors.size(), 1u);
  EXPECT_EQ(rig.w.CurrentRoom, 0);
  EXPECT_NE(rig.LineUtf8().find("F1"), std::string::npos);
  InstallWorld(TinyWorld());  // the file is back: F1 starts a game
  rig.PressKey(vk::F1);
  rig.Frame(101);
  EXPECT_EQ(rig.w.CurrentRoom, 1);
  EXPECT_EQ(rig.app.errors.size(), 1u);
  rig.PressKey(vk::F10);
  rig.Frame();
  EXPECT_TRUE(rig.app.Closing());
}

}  // namespace
}  // namespace raketa::test
