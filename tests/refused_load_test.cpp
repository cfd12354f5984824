// A load or a new game that the game refuses leaves everything as it was:
// the world, the screen's flags and the run-time state the player relies on.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <sstream>

#include "support/rig.h"
#include "support/tiny_world.h"

namespace raketa::test {
namespace {

std::string Bytes(const TWorld& w) { return std::string(reinterpret_cast<const char*>(&w), sizeof w); }

// Everything a refusal must leave alone, printable for a failure message.
std::string State(Rig& r) {
  std::ostringstream s;
  s << "step " << StepName(CurrentStep(r.g)) << ", phase " << PhaseExtension(r.g.TripPhase) << ", save name '" << r.g.SaveFileName
    << "', quick-file cooldown " << int(r.g.QuickFileCooldown) << ", sound " << r.g.SoundOn << ", world "
    << std::hash<std::string>{}(Bytes(r.w));
  return s.str();
}

void OnGameOverScreen(Rig& r) {
  r.StartPlay(2);
  r.w.Health = 0;
  r.g.GameOver = true;
  r.g.TripPhase = Phase::Return;
  r.g.SaveFileName = "room7.sav";
  r.Frame();  // the screen's first frame: its cues stopped, its message shown
}

TEST(RefusedLoad, OnTheGameOverScreenNothingChanges) {
  struct Case {
    const char* name;
    std::function<void(Rig&)> refuse;
  };
  const Case cases[] = {
      {"F2, a file that is not there",
       [](Rig& r) {
         r.dialogs.answers.push_back(std::string("missing.sav"));
         r.PressKey(vk::F2);
       }},
      {"F2, a short file",
       [](Rig& r) {
         WriteFile("short.sav", "too short");
         r.dialogs.answers.push_back(std::string("short.sav"));
         r.PressKey(vk::F2);
       }},
      {"F2, a folder",
       [](Rig& r) {
         std::filesystem::create_directory("folder.sav");
         r.dialogs.answers.push_back(std::string("folder.sav"));
         r.PressKey(vk::F2);
       }},
      {"F6 with F7, the quick-save file gone",
       [](Rig& r) {
         std::filesystem::remove("room7.sav");
         r.PressKey(vk::F6);
         r.PressKey(vk::F7);
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Rig r;
    InstallWorld(TinyWorld());
    OnGameOverScreen(r);
    const std::string before = State(r);
    r.sound.calls.clear();
    c.refuse(r);
    r.Frame(3);
    EXPECT_EQ(r.app.errors.size(), 1u);
    EXPECT_EQ(State(r), before);
    // No play frame ran: no footsteps, no death cue again.
    for (const RecordingSound::Call& call : r.sound.calls) {
      EXPECT_FALSE(call.play) << CueName(call.cue);
    }
  }
}

TEST(RefusedLoad, ARefusedNewGameKeepsPhaseQuickSaveNameAndKeys) {
  Rig r;
  InstallWorld(TinyWorld());
  r.StartPlay(2);
  r.g.TripPhase = Phase::Return;
  r.w.Fuel = r.w.CellCharge = 100;
  r.g.SaveFileName = "room7.sav";
  WriteFile("mistnosti.dat", "not a world");
  r.PressKey(vk::F1);
  r.Frame(101);  // the landing screen, then the refused start
  ASSERT_EQ(r.app.errors.size(), 1u);
  EXPECT_EQ(r.app.errors[0].rfind("Read beyond end of file (mistnosti.dat)", 0), 0u) << r.app.errors[0];
  EXPECT_EQ(CurrentStep(r.g), GameStep::Play);
  EXPECT_EQ(r.g.TripPhase, Phase::Return);
  EXPECT_EQ(r.g.SaveFileName, "room7.sav");
  EXPECT_EQ(r.w.CurrentRoom, 2);
  // F7 works at once: no lock was left behind.
  r.PressKey(vk::F7);
  r.Frame();
  EXPECT_EQ(r.app.errors.size(), 1u);
  EXPECT_EQ(r.w.CurrentRoom, 7);
  EXPECT_EQ(r.g.TripPhase, Phase::Outbound);
}

}  // namespace
}  // namespace raketa::test
