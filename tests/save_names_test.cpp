// Save names: the suffix rule, names in any script, the longest legal
// names, and a temporary file that is nobody else's.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "support/rig.h"
#include "support/tiny_world.h"

namespace raketa::test {
namespace {

TEST(SaveNames, TheSuffixIsAddedUnlessTheNameEndsInIt) {
  struct Case {
    const char* name;
    const char* saved;
  };
  const Case cases[] = {
      {"hra", "hra.sav"},
      {"hra č. 1", "hra č. 1.sav"},  // ". 1" is no extension
      {"hra.dat", "hra.dat.sav"},
      {"hra.sav", "hra.sav"},
      {"HRA.SAV", "HRA.SAV"},
      {"hra.SaV", "hra.SaV"},
      {"hra.savx", "hra.savx.sav"},
      {"sav", "sav.sav"},
      {".sav", ".sav"},
      {"", ".sav"},
      {"moje hry\\hra", "moje hry\\hra.sav"},
  };
  for (const Case& c : cases) EXPECT_EQ(WithSaveSuffix(c.name), c.saved) << c.name;
}

TEST(SaveNames, ACharacterDeviceKeepsItsName) {
  EXPECT_EQ(SaveDialogName("/dev/full"), "/dev/full");
  EXPECT_EQ(SaveDialogName("/dev/fullx"), "/dev/fullx.sav");
  EXPECT_EQ(SaveDialogName("hra"), "hra.sav");
}

TEST(SaveNames, TheTemporaryFileIsHiddenShortAndTheTargetsOwn) {
  const std::string longName(255, 'a');
  for (const std::string& target : {std::string("hra.sav"), std::string("dir/sub/hra.sav"), longName, "dir/" + longName}) {
    const std::filesystem::path tmp = SaveTemporaryPath(target);
    const std::filesystem::path where = std::filesystem::path(target).parent_path();
    EXPECT_EQ(tmp.parent_path(), where) << target;
    EXPECT_EQ(tmp.filename().string().front(), '.') << target;
    EXPECT_LT(tmp.filename().string().size(), 64u) << target;
    EXPECT_EQ(SaveTemporaryPath(target), tmp.string()) << "the same for the same target";
  }
  EXPECT_NE(SaveTemporaryPath("hra.sav"), SaveTemporaryPath("hra2.sav"));
  EXPECT_NE(SaveTemporaryPath("hra.sav"), "hra.sav.tmp");
}

class SaveFiles : public testing::Test {
 protected:
  void SetUp() override {
    InstallWorld(TinyWorld());
    rig.w = TinyWorld();
    rig.StartPlay(1);
  }
  Rig rig;
};

TEST_F(SaveFiles, NamesUpToTheSystemsLimitAreSavedAndLoaded) {
  for (std::size_t length : {251u, 252u, 254u, 255u}) {
    const std::string name = std::string(length - 4, 'h') + ".sav";
    rig.w.Health = static_cast<float>(length - 200);
    WriteWorld(rig.g, name);
    ASSERT_TRUE(std::filesystem::exists(name)) << length;
    rig.w.Health = 1;
    ReadWorld(rig.g, name);
    CloseWorldFile(rig.g);
    EXPECT_EQ(rig.w.Health, static_cast<float>(length - 200)) << length;
  }
}

TEST_F(SaveFiles, ASaveRemovesItsOwnLeftoverAndNothingElse) {
  WriteFile("hra.sav.tmp", "the player's own file");
  WriteFile(SaveTemporaryPath("hra.sav"), "left by a game killed while saving");
  WriteWorld(rig.g, "hra.sav");
  EXPECT_EQ(ReadFile("hra.sav.tmp"), "the player's own file");
  EXPECT_FALSE(std::filesystem::exists(SaveTemporaryPath("hra.sav")));
  EXPECT_EQ(ReadFile("hra.sav").size(), sizeof(TWorld));
}

// A symbolic link planted under the temporary name is not followed.
TEST_F(SaveFiles, ALinkUnderTheTemporaryNameIsNotFollowed) {
  WriteFile("victim", "untouched");
  std::filesystem::create_symlink("victim", SaveTemporaryPath("hra.sav"));
  WriteWorld(rig.g, "hra.sav");
  EXPECT_EQ(ReadFile("victim"), "untouched");
  EXPECT_EQ(ReadFile("hra.sav").size(), sizeof(TWorld));
}

}  // namespace
}  // namespace raketa::test
