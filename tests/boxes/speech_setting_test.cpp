// The speech choice kept between runs survives whatever else the settings
// file holds.  (Where the file lies: start_up_folders_test.cpp.)
#include "presentation/boxes/speech_setting.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "support/scratch_dir.h"

namespace raketa {
namespace {

std::string Read(const std::string& path) {
  std::ifstream in(path);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

TEST(SpeechSetting, AChoiceIsReadBackAndOtherLinesStay) {
  test::ScratchDir dir;
  const std::string path = dir.path() + "/config/raketa/settings";
  EXPECT_EQ(ReadSpeechSetting(path), std::nullopt);  // nothing chosen yet

  ASSERT_TRUE(WriteSpeechSetting(path, true));  // the folders are made
  EXPECT_EQ(ReadSpeechSetting(path), true);
  ASSERT_TRUE(WriteSpeechSetting(path, false));
  EXPECT_EQ(ReadSpeechSetting(path), false);

  std::ofstream(path) << "colour=green\nspeech=on\n# a note\n";
  ASSERT_TRUE(WriteSpeechSetting(path, false));
  EXPECT_EQ(Read(path), "colour=green\n# a note\nspeech=off\n");
}

TEST(SpeechSetting, AnUnreadableLineCountsAsNoChoice) {
  test::ScratchDir dir;
  const std::string path = dir.path() + "/settings";
  for (const char* text : {"speech=yes\n", "speech\n", "", "SPEECH=on\n"}) {
    std::ofstream(path, std::ios::trunc) << text;
    EXPECT_EQ(ReadSpeechSetting(path), std::nullopt) << text;
  }
}

TEST(SpeechSetting, AFolderThatCannotBeMadeRefusesTheWrite) {
  test::ScratchDir dir;
  std::ofstream(dir.path() + "/file") << "not a folder";
  const std::string path = dir.path() + "/file/raketa/settings";
  EXPECT_FALSE(WriteSpeechSetting(path, true));
  EXPECT_EQ(ReadSpeechSetting(path), std::nullopt);
}

// Without a home folder no settings file is kept: nothing is read or
// written, and nothing lands in the working folder.
TEST(SpeechSetting, NoFileMeansNoChoiceKept) {
  test::ScratchDir dir;
  EXPECT_FALSE(WriteSpeechSetting("", true));
  EXPECT_EQ(ReadSpeechSetting(""), std::nullopt);
  EXPECT_FALSE(std::filesystem::exists("settings"));
  EXPECT_FALSE(std::filesystem::exists(".new"));
}

}  // namespace
}  // namespace raketa
