// Where the game looks for its data and puts the player's saves, for each
// way it can be started: from a folder holding the data, installed, from a
// moved install tree, or told by --data or $RAKETA_DATA.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/start_up_folders.h"
#include "support/rig.h"
#include "support/scratch_dir.h"

namespace raketa::test {
namespace {

namespace fs = std::filesystem;

class StartUpFoldersTest : public ::testing::Test {
 protected:
  StartUpFoldersTest() {
    for (const char* d : {"work", "tree/bin", "tree/share/raketa", "empty/bin", "home"}) fs::create_directories(d);
    WriteFile("work/mistnosti.dat", "w");
    WriteFile("tree/share/raketa/mistnosti.dat", "w");
  }
  std::string At(const std::string& p) const { return (fs::path(dir.path()) / p).string(); }
  // Started from `work` (or an empty folder), the program lying in `exe`.
  Surroundings Around(const std::string& work, const std::string& exe) const {
    Surroundings s;
    s.workingFolder = At(work);
    s.executableFolder = At(exe);
    s.installedData = "/usr/share/raketa";
    s.home = At("home");
    return s;
  }
  ScratchDir dir;
};

TEST_F(StartUpFoldersTest, DataFolderInOrderOfPrecedence) {
  struct Case {
    const char* name;
    Surroundings s;
    std::string data;
  };
  Surroundings option = Around("work", "tree/bin");
  option.dataOption = "jinde";
  option.dataVariable = "/opt/raketa";
  Surroundings variable = Around("work", "tree/bin");
  variable.dataVariable = "/opt/raketa";
  const Case cases[] = {
      {"--data beats everything, relative to the working folder", option, At("work/jinde")},
      {"$RAKETA_DATA beats the working folder", variable, "/opt/raketa"},
      {"the working folder holding the world", Around("work", "tree/bin"), ""},
      {"../share/raketa beside a moved executable", Around("empty", "tree/bin"), At("tree/share/raketa")},
      {"the installed data when nothing else holds a world", Around("empty", "empty/bin"), "/usr/share/raketa"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ChooseFolders(c.s).data, c.data);
  }
}

TEST_F(StartUpFoldersTest, APortableRunKeepsEverythingInTheWorkingFolder) {
  Surroundings s = Around("work", "tree/bin");
  s.xdgDataHome = At("xdg");
  const GameFolders f = ChooseFolders(s);
  EXPECT_EQ(f.saves, "");
  EXPECT_EQ(f.state, "");
}

TEST_F(StartUpFoldersTest, SavesGoToTheUsersDataFolder) {
  struct Case {
    const char* name;
    std::string xdgData, xdgState, home;
    std::string saves, state;
  };
  const Case cases[] = {
      {"XDG folders given", At("xd"), At("xs"), At("home"), At("xd/raketa"), At("xs/raketa")},
      {"defaults under the home folder", "", "", At("home"), At("home/.local/share/raketa"),
       At("home/.local/state/raketa")},
      {"a relative XDG folder is not valid", "rel", "rel", At("home"), At("home/.local/share/raketa"),
       At("home/.local/state/raketa")},
      {"no home at all: the working folder", "", "", "", "", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Surroundings s = Around("empty", "tree/bin");
    s.xdgDataHome = c.xdgData;
    s.xdgStateHome = c.xdgState;
    s.home = c.home;
    const GameFolders f = ChooseFolders(s);
    EXPECT_EQ(f.data, At("tree/share/raketa"));
    EXPECT_EQ(f.saves, c.saves);
    EXPECT_EQ(f.state, c.state);
  }
}

// The speech setting's file: in $XDG_CONFIG_HOME/raketa or
// ~/.config/raketa, a portable run included, and nowhere without a home.
TEST_F(StartUpFoldersTest, SettingsLieInTheConfigFolder) {
  struct Case {
    const char* name;
    const char* working;
    std::string xdgConfig, home;
    std::string settings;
  };
  const Case cases[] = {
      {"XDG folder given", "empty", At("config"), At("home"), At("config/raketa/settings")},
      {"default under the home folder", "empty", "", At("home"), At("home/.config/raketa/settings")},
      {"a relative XDG folder is not valid", "empty", "relative/config", At("home"),
       At("home/.config/raketa/settings")},
      {"a portable run keeps them too", "work", "", At("home"), At("home/.config/raketa/settings")},
      {"no home at all: not kept", "empty", "", "", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Surroundings s = Around(c.working, "tree/bin");
    s.xdgConfigHome = c.xdgConfig;
    s.home = c.home;
    EXPECT_EQ(SettingsFile(ChooseFolders(s)), c.settings);
  }
}

}  // namespace
}  // namespace raketa::test
