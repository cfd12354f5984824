// The shipped game played through: a player who reads every room text and
// types the walkthrough at about three keys a second wins, from the first
// frame of the intro to the departure; a player who stops after repairing the
// cables sees the rocket fall.  The run is recorded as a replay script and
// replayed, so the replay mode wins the same game.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

#include "presentation/replay/replay_runner.h"
#include "support/rig.h"

namespace raketa::test {
namespace {

namespace fs = std::filesystem;

const fs::path kGameData = fs::path(RAKETA_BINARY_DIR) / "gamedata";
constexpr int kFramesPerKey = 8;  // about three keys a second at 25 frames a second

std::vector<std::string> Walkthrough() {
  std::ifstream in(fs::path(RAKETA_SOURCE_DIR) / "data" / "walkthrough.txt");
  std::vector<std::string> lines;
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty()) lines.push_back(line);
  }
  return lines;
}

void InstallGameData() {
  fs::copy_file(kGameData / "mistnosti.dat", "mistnosti.dat");
  fs::copy(kGameData / "texty", "texty", fs::copy_options::overwrite_existing | fs::copy_options::recursive);
}

// Plays the game as a patient player and writes down the same session as a
// replay script.
class Player {
 public:
  explicit Player(Rig& rig) : rig_(rig) {}

  void Wait(long frames) {
    if (frames <= 0) return;
    rig_.Frame(static_cast<int>(frames));
    frames_ += frames;
    script_ << "wait " << frames << "\n";
  }

  // Until the game takes a line: the room's text is shown and nothing is
  // pending (at most `limit` frames).
  void WaitForTheText(long limit = 3000) {
    long waited = 0;
    const Game& g = rig_.g;
    while (waited < limit && !(CurrentStep(g) == GameStep::Play && !g.NarrationPending && g.StepCountdown == 0 &&
                               g.InputCooldown == 0)) {
      rig_.Frame();
      ++waited;
    }
    frames_ += waited;
    if (waited > 0) script_ << "wait " << waited << "\n";
  }

  void TypeLine(const std::string& utf8) {
    // One key at a time (a Czech letter is one key, however many bytes).
    std::size_t i = 0;
    while (i < utf8.size()) {
      std::size_t n = 1;
      unsigned char c = static_cast<unsigned char>(utf8[i]);
      if (c >= 0xC0) n = c >= 0xE0 ? 3 : 2;
      std::string key = utf8.substr(i, n);
      rig_.Type(key);
      script_ << "type " << key << "\n";
      Wait(kFramesPerKey);
      i += n;
    }
    rig_.PressEnter();
    script_ << "key Enter\n";
    Wait(1);
  }

  long frames() const { return frames_; }
  std::string script() const { return script_.str(); }

 private:
  Rig& rig_;
  long frames_ = 0;
  std::ostringstream script_;
};

TEST(Walkthrough, APatientPlayerWinsAndTheReplayWinsToo) {
  if (!fs::exists(kGameData / "mistnosti.dat")) GTEST_SKIP() << "no game data built";
  const auto lines = Walkthrough();
  ASSERT_FALSE(lines.empty());

  std::string script;
  {
    Rig rig;
    InstallGameData();
    rig.form.FormCreate();
    Player player(rig);
    player.WaitForTheText();  // the whole intro, the landing, room 1's text
    long repairedAt = -1;
    std::size_t keys = 0;
    for (const std::string& line : lines) {
      player.WaitForTheText();
      player.TypeLine(line);
      keys += Utf8ToCp1250(line).size() + 1;
      if (repairedAt < 0 && rig.w.CablesRepaired) repairedAt = player.frames();
      ASSERT_FALSE(rig.g.GameOver) << "died at: " << line << " (" << rig.LineUtf8() << ")";
    }
    player.Wait(2);
    ASSERT_TRUE(rig.g.DepartureScreen) << "room " << int(rig.w.CurrentRoom) << ", phase " << rig.g.TextExt;
    ASSERT_GT(repairedAt, 0);
    float margin = rig.w.MinutesLeft;
    std::cout << "walkthrough: " << lines.size() << " commands, " << keys << " keys; "
              << player.frames() / 25.0 << " s of game time from the intro to the departure; "
              << (player.frames() - repairedAt) / 25.0 << " s after the cables were repaired, with " << margin
              << " minutes (" << margin / 1.75 << " s) left on the countdown\n";
    EXPECT_GT(margin, 10.0f);  // a fair margin for a player who knows the way
    script = player.script() + "key Esc\nwait 1\n";
    // The session as a script, for anyone who wants to watch it again.
    if (const char* keep = std::getenv("RAKETA_WALKTHROUGH_SCRIPT")) std::ofstream(keep) << player.script();
  }

  // The same session through the replay mode.
  ScratchDir dir;
  InstallGameData();
  std::istringstream in(script);
  std::ostringstream out, err;
  ReplayResult result = RunReplay(ParseReplayScript(in), nullptr, out, err);
  EXPECT_EQ(result.exitCode, 0) << err.str();
  EXPECT_TRUE(result.closed);
  EXPECT_NE(out.str().find(" state departure\n"), std::string::npos);
  EXPECT_NE(out.str().find(" phase .zpt\n"), std::string::npos);
  EXPECT_EQ(out.str().find(" state gameover\n"), std::string::npos);
}

TEST(Walkthrough, StoppingAfterTheCableRepairLetsTheRocketFall) {
  if (!fs::exists(kGameData / "mistnosti.dat")) GTEST_SKIP() << "no game data built";
  Rig rig;
  InstallGameData();
  rig.form.FormCreate();
  Player player(rig);
  player.WaitForTheText();
  for (const std::string& line : Walkthrough()) {
    player.WaitForTheText();
    player.TypeLine(line);
    if (rig.w.CablesRepaired) break;
  }
  ASSERT_TRUE(rig.w.CablesRepaired);
  long frames = 0;
  while (!rig.g.GameOver && frames < 10000) {
    rig.Frame();
    ++frames;
  }
  ASSERT_TRUE(rig.g.GameOver);
  rig.Frame();
  EXPECT_EQ(rig.LineUtf8(), "Bohužel raketa se zřítila ze srázu...");
  std::cout << "the rocket falls " << frames / 25.0 << " s after the repair when the player stands still\n";
}

}  // namespace
}  // namespace raketa::test
