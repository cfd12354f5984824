// The game kept for later: when it is written, and what a failure does.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/autosave.h"
#include "support/rig.h"

namespace raketa::test {
namespace {

namespace fs = std::filesystem;

bool Kept() { return fs::is_regular_file(fs::u8path(kKeptGameName)); }

// Only a game being played or paused is kept, and only once it has a world.
TEST(KeptGame, OnlyARunningGameIsKept) {
  struct Case {
    const char* name;
    void (*set)(Game&);
    bool kept;
  };
  const Case cases[] = {
      {"play", [](Game&) {}, true},
      {"pause", [](Game& g) { g.Paused = true; }, true},
      {"intro", [](Game& g) { g.IntroScreen = true; }, false},
      {"landing", [](Game& g) { g.LandingScreen = true; }, false},
      {"game over", [](Game& g) { g.GameOver = true; }, false},
      {"departure", [](Game& g) { g.DepartureScreen = true; }, false},
      {"no world yet", [](Game& g) { g.World.CurrentRoom = 0; }, false},
      {"after F10 kept it", [](Game& g) { g.KeptOnLeaving = true; }, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Rig rig;
    rig.StartPlay(2);
    c.set(rig.g);
    EXPECT_EQ(rig.runner.KeepForLater(), "");
    EXPECT_EQ(Kept(), c.kept);
  }
}

// F1 in a game that cannot be kept: the first press says why and the game
// goes on; the second starts the new game all the same.
TEST(KeptGame, AGameThatCannotBeKeptStopsTheFirstF1Only) {
  Rig rig;
  rig.StartPlay(2);
  fs::create_directory(fs::u8path(kKeptGameName));  // a folder in its place
  rig.PressKey(vk::F1);
  rig.Frame();
  EXPECT_FALSE(rig.g.LandingScreen);
  ASSERT_EQ(rig.app.errors.size(), 1u);
  rig.PressKey(vk::F1);
  rig.Frame();
  EXPECT_TRUE(rig.g.LandingScreen);
  EXPECT_EQ(rig.app.errors.size(), 1u);
}

// Leaving by the window or a signal after a failed write tells the backend,
// which has no box to show it in.
TEST(KeptGame, LeavingReportsAFailedWrite) {
  Rig rig;
  rig.StartPlay(2);
  fs::create_directory(fs::u8path(kKeptGameName));
  EXPECT_NE(rig.runner.KeepForLater(), "");
  EXPECT_TRUE(rig.app.errors.empty());
}

}  // namespace
}  // namespace raketa::test
