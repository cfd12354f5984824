// An installed game: the world and room texts come from the data folder,
// saved games go to the player's save folder (made on first use), and names
// the dialogs give are taken inside it.  Messages show host paths with '/'.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/hlavni.h"
#include "support/rig.h"
#include "support/tiny_world.h"
#include "services/host_files.h"

namespace raketa::test {
namespace {

namespace fs = std::filesystem;

class GameFoldersTest : public ::testing::Test {
 protected:
  GameFoldersTest() {
    fs::create_directory("data");
    fs::current_path("data");
    InstallWorld(TinyWorld());
    fs::current_path("..");
    fs::remove_all("texty");
    rig.files = HostFiles({.data = At("data"), .saves = At("home/saves"), .state = "", .config = ""});
  }
  std::string At(const std::string& p) const { return (fs::path(rig.dir.path()) / p).string(); }

  // A new game from the data folder, then play in room 1.
  void StartNewGame() {
    NewGame(rig.g);
    rig.StartPlay(1);
  }

  Rig rig;
};

TEST_F(GameFoldersTest, ANewGameReadsTheDataFolder) {
  rig.w.CurrentRoom = 9;
  StartNewGame();
  EXPECT_TRUE(rig.app.errors.empty()) << rig.app.errors[0];
  EXPECT_EQ(rig.w.CurrentRoom, 1);
  ASSERT_TRUE(rig.g.RoomTextFile.IsOpen());
  EXPECT_EQ(rig.g.RoomTextFile.ReadChar(), RoomText(1)[0]);
}

TEST_F(GameFoldersTest, SavesGoIntoTheSaveFolderAndComeBack) {
  StartNewGame();
  rig.dialogs.answers.push_back("a.sav");
  rig.PressKey(vk::F3);
  rig.Frame();
  ASSERT_TRUE(rig.app.errors.empty()) << rig.app.errors[0];
  EXPECT_TRUE(fs::is_regular_file("home/saves/a.sav"));
  EXPECT_FALSE(fs::exists("a.sav"));
  EXPECT_FALSE(fs::exists("data/a.sav"));
  EXPECT_EQ(rig.g.SaveFileName, "a.sav");

  rig.Frame(60);
  rig.PressKey(vk::F6);
  rig.Frame();
  EXPECT_EQ(rig.LineUtf8(), "Ok uloženo do souboru a.sav");

  rig.w.CurrentRoom = 2;
  rig.Frame(60);
  rig.PressKey(vk::F7);
  rig.Frame();
  ASSERT_TRUE(rig.app.errors.empty()) << rig.app.errors[0];
  EXPECT_EQ(rig.w.CurrentRoom, 1);
}

TEST_F(GameFoldersTest, ReportsShowWhereTheFileWasLookedFor) {
  struct Case {
    const char* name;
    int key;
    std::string answer;
    std::string report;
  };
  const Case cases[] = {
      {"a missing save", vk::F2, "chybi.sav", "File not found (" + At("home/saves/chybi.sav") + ")."},
      {"a folder that is not there", vk::F3, "pod\\b.sav", "Invalid filename (" + At("home/saves/pod/b.sav") + ")."},
      {"a full path stays as it is", vk::F2, At("jinde.sav"), "File not found (" + At("jinde.sav") + ")."},
  };
  StartNewGame();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    rig.app.errors.clear();
    rig.dialogs.answers.push_back(c.answer);
    rig.PressKey(c.key);
    rig.Frame();
    ASSERT_EQ(rig.app.errors.size(), 1u);
    EXPECT_EQ(rig.app.errors[0], c.report);
  }
  // A missing room text is named with the data folder it was looked for in.
  fs::remove("data/texty/m2.dat");
  rig.app.errors.clear();
  rig.Command("sever");
  ASSERT_EQ(rig.app.errors.size(), 1u);
  EXPECT_EQ(rig.app.errors[0], "File not found (" + At("data/texty/m2.dat") + ").");
}

}  // namespace
}  // namespace raketa::test
