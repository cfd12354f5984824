// Where the speech choice is kept between runs, and that it survives
// whatever else the settings file holds.
#include "presentation/boxes/speech_setting.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "support/scratch_dir.h"

namespace raketa {
namespace {

// HOME and XDG_CONFIG_HOME pointed into a scratch folder for one test.
class Environment {
 public:
  Environment(const char* home, const char* config) {
    Keep("HOME", home_);
    Keep("XDG_CONFIG_HOME", config_);
    Set("HOME", home);
    Set("XDG_CONFIG_HOME", config);
  }
  ~Environment() {
    Set("HOME", home_ ? home_->c_str() : nullptr);
    Set("XDG_CONFIG_HOME", config_ ? config_->c_str() : nullptr);
  }

 private:
  static void Keep(const char* name, std::optional<std::string>& into) {
    if (const char* v = std::getenv(name)) into = v;
  }
  static void Set(const char* name, const char* value) {
    if (value) {
      setenv(name, value, 1);
    } else {
      unsetenv(name);
    }
  }
  std::optional<std::string> home_, config_;
};

std::string Read(const std::string& path) {
  std::ifstream in(path);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

TEST(SpeechSetting, TheFileLiesInTheConfigFolder) {
  test::ScratchDir dir;
  const std::string home = dir.path() + "/home", config = dir.path() + "/config";
  const struct {
    const char* home;
    const char* config;
    std::string path;
  } cases[] = {
      {home.c_str(), config.c_str(), config + "/raketa/settings"},
      {home.c_str(), nullptr, home + "/.config/raketa/settings"},
      {home.c_str(), "relative/config", home + "/.config/raketa/settings"},  // not an absolute path: ignored
      {nullptr, nullptr, ""},
  };
  for (const auto& c : cases) {
    Environment env(c.home, c.config);
    EXPECT_EQ(SettingsPath(), c.path);
  }
}

TEST(SpeechSetting, AChoiceIsReadBackAndOtherLinesStay) {
  test::ScratchDir dir;
  Environment env((dir.path() + "/home").c_str(), (dir.path() + "/config").c_str());
  EXPECT_EQ(ReadSpeechSetting(), std::nullopt);  // nothing chosen yet

  ASSERT_TRUE(WriteSpeechSetting(true));  // the folders are made
  EXPECT_EQ(ReadSpeechSetting(), true);
  ASSERT_TRUE(WriteSpeechSetting(false));
  EXPECT_EQ(ReadSpeechSetting(), false);

  const std::string path = SettingsPath();
  std::ofstream(path) << "colour=green\nspeech=on\n# a note\n";
  ASSERT_TRUE(WriteSpeechSetting(false));
  EXPECT_EQ(Read(path), "colour=green\n# a note\nspeech=off\n");
}

TEST(SpeechSetting, AnUnreadableLineCountsAsNoChoice) {
  test::ScratchDir dir;
  Environment env(dir.path().c_str(), nullptr);
  std::filesystem::create_directories(dir.path() + "/.config/raketa");
  for (const char* text : {"speech=yes\n", "speech\n", "", "SPEECH=on\n"}) {
    std::ofstream(SettingsPath(), std::ios::trunc) << text;
    EXPECT_EQ(ReadSpeechSetting(), std::nullopt) << text;
  }
}

TEST(SpeechSetting, AFolderThatCannotBeMadeRefusesTheWrite) {
  test::ScratchDir dir;
  std::ofstream(dir.path() + "/file") << "not a folder";
  Environment env(dir.path().c_str(), (dir.path() + "/file").c_str());
  EXPECT_FALSE(WriteSpeechSetting(true));
  EXPECT_EQ(ReadSpeechSetting(), std::nullopt);
}

}  // namespace
}  // namespace raketa
