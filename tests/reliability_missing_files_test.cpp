// Files that vanish while the game runs: each time the player does something
// that needs one, one report names it; the frames between bring none, and
// the game stays playable.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "fuzz/load_and_play.h"
#include "support/tiny_world.h"

namespace raketa::test {
namespace {

struct MissingCase {
  const char* name;
  const char* missing;                 // removed after the world is installed
  std::function<void(Rig&)> start;     // the game before the player acts
  std::function<void(Rig&)> act;       // what the player does, including the frames it takes
  const char* report;
  std::function<bool(Rig&)> playable;  // afterwards
};

void NewGameByF1(Rig& r) {
  r.PressKey(vk::F1);
  r.Frame(101);  // the landing screen, then the start
}

bool WalksNorthFrom1(Rig& r) {
  Settle(r);
  r.edit.SetText("");
  r.Command("sever");
  return r.w.CurrentRoom == 2;
}

TEST(ReliabilityMissingFiles, OneReportEachTimeAndTheGamePlaysOn) {
  const MissingCase cases[] = {
      {"the intro text", "texty/m0.dat", [](Rig&) {},
       [](Rig& r) {
         r.runner.Start();
         r.Frame(102);  // the intro ends at once, the landing screen, the start
       },
       "File not found (texty/m0.dat).",
       [](Rig& r) { return CurrentStep(r.g) == GameStep::Play && WalksNorthFrom1(r); }},
      {"the world file at a new game", "mistnosti.dat", [](Rig& r) { r.StartPlay(1); }, NewGameByF1,
       "File not found (mistnosti.dat).",
       // The world played so far stays.
       [](Rig& r) { return r.w.Room(1).Exits[North].Target == 2 && WalksNorthFrom1(r); }},
      {"room 1's text at a new game", "texty/m1.dat", [](Rig& r) { r.StartPlay(5); }, NewGameByF1,
       "File not found (texty/m1.dat).", [](Rig& r) { return r.w.CurrentRoom == 1 && WalksNorthFrom1(r); }},
      {"the room text at a quick load", "texty/m7.dat", [](Rig& r) { r.StartPlay(1); r.g.SaveFileName = "room7.sav"; },
       [](Rig& r) {
         r.g.QuickFileCooldown = 0;
         r.PressKey(vk::F7);
         r.Frame(40);
       },
       "File not found (texty/m7.dat).",
       [](Rig& r) {
         Settle(r);
         r.edit.SetText("");
         r.Command("jih");
         return r.w.CurrentRoom == 1;
       }},
      {"the save at a quick load", "room2.sav", [](Rig& r) { r.StartPlay(1); r.g.SaveFileName = "room2.sav"; },
       [](Rig& r) {
         r.g.QuickFileCooldown = 0;
         r.PressKey(vk::F7);
         r.Frame(40);
       },
       "File not found (room2.sav).", [](Rig& r) { return r.w.CurrentRoom == 1 && WalksNorthFrom1(r); }},
  };
  for (const MissingCase& c : cases) {
    SCOPED_TRACE(c.name);
    Rig rig;
    rig.w = TinyWorld();
    InstallWorld(rig.w);
    std::filesystem::remove(c.missing);
    c.start(rig);
    for (int time = 1; time <= 2; ++time) {
      c.act(rig);
      ASSERT_EQ(rig.app.errors.size(), static_cast<std::size_t>(time));
      EXPECT_EQ(rig.app.errors.back(), c.report);
      EXPECT_TRUE(c.playable(rig));
      rig.Frame(40);
      EXPECT_EQ(rig.app.errors.size(), static_cast<std::size_t>(time));
      // Back in room 1, where the player can cause it again.
      if (rig.w.CurrentRoom != 1) rig.StartPlay(1);
    }
  }
}

}  // namespace
}  // namespace raketa::test
