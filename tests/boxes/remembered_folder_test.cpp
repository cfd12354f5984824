// The dialogs' last folder, kept between runs.
#include <gtest/gtest.h>

#include <filesystem>

#include "presentation/boxes/remembered_folder.h"
#include "support/scratch_dir.h"

namespace raketa {
namespace {

namespace fs = std::filesystem;

TEST(RememberedFolder, ComesBackInTheNextRunWhileItExists) {
  test::ScratchDir dir;
  const std::string state = dir.path() + "/state/raketa";
  const std::string folder = dir.path() + "/moje hry";
  fs::create_directory(folder);
  EXPECT_EQ(RecallFolder(state), "") << "nothing remembered yet";
  RememberFolder(state, folder);
  EXPECT_EQ(RecallFolder(state), folder);
  fs::remove(folder);
  EXPECT_EQ(RecallFolder(state), "") << "a folder that is gone is forgotten";
}

TEST(RememberedFolder, APortableRunRemembersNothing) {
  test::ScratchDir dir;
  RememberFolder("", dir.path());
  EXPECT_EQ(RecallFolder(""), "");
  EXPECT_FALSE(fs::exists("last-folder"));
}

}  // namespace
}  // namespace raketa
